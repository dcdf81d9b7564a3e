# The RTF reader of the rich-text control.
glossand_add_fuzzer(fuzz_rtf fuzz_rtf.cpp richtext)
