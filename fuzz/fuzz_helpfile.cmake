# The help file reader and its body searches.
if(TARGET helpfile)
  glossand_add_fuzzer(fuzz_helpfile fuzz_helpfile.cpp helpfile)
endif()
