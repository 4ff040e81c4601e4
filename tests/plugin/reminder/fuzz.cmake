# MAX_LEN: the longest input each target reads; the rest would be ignored.
talvenor_add_fuzz(settings_file settings_file_fuzz.cpp MAX_LEN 1300)
talvenor_add_fuzz(time_text time_text_fuzz.cpp MAX_LEN 300)
