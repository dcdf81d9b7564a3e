# The RTF reader of the rich-text control.
if(TARGET richtext)
  glossand_add_fuzzer(fuzz_rtf fuzz_rtf.cpp richtext)
endif()
