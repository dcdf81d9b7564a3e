# The settings reader of the dictionary.
glossand_add_fuzzer(fuzz_settings fuzz_settings.cpp dictionary_appearance)
