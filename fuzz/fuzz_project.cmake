# The help project operations and the compiler.
glossand_add_fuzzer(fuzz_project fuzz_project.cpp helpauthor)
