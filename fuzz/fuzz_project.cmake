# The help project operations and the compiler.
if(TARGET helpauthor)
  glossand_add_fuzzer(fuzz_project fuzz_project.cpp helpauthor)
endif()
