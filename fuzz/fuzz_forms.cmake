# The form engine on word lists, and zembrota-formen's text reading against the shipped list.
glossand_add_fuzzer(fuzz_forms fuzz_forms.cpp forms_tool)
target_compile_definitions(fuzz_forms PRIVATE GLOSSAND_FUZZ_WORD_LIST="${PROJECT_SOURCE_DIR}/data/latein.lst")
