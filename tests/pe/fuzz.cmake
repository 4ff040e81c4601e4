# MAX_LEN: the longest input the target reads; the rest would be ignored.
talvenor_add_fuzz(pe_image pe_image_fuzz.cpp MAX_LEN 16384)
target_link_libraries(fuzz_pe_image PRIVATE pe_image)
