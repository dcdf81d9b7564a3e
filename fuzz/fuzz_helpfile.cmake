# The help file reader and its body searches.
glossand_add_fuzzer(fuzz_helpfile fuzz_helpfile.cpp helpfile)
