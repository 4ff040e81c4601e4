# MAX_LEN: the longest input the target reads; the rest would be ignored.
talvenor_add_fuzz(dialog_templates dialog_templates_fuzz.cpp MAX_LEN 4096)
