# MAX_LEN: the longest input the target reads; the rest would be ignored.
talvenor_add_fuzz(binding_error binding_error_fuzz.cpp MAX_LEN 2400)
