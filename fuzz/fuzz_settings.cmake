# The settings reader of the dictionary.
if(TARGET dictionary_appearance)
  glossand_add_fuzzer(fuzz_settings fuzz_settings.cpp dictionary_appearance)
endif()
