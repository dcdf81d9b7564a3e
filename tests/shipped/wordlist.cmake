# The shipped word list (content, format, course fill) and the zembrota-check command.
glossand_add_test(test_wordlist_shipped SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/test_wordlist_shipped.cpp
  LIBS dictionary_core)
target_compile_definitions(test_wordlist_shipped PRIVATE GLOSSAND_SOURCE_DIR="${CMAKE_SOURCE_DIR}")

glossand_add_test(test_wordlist_check SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/test_wordlist_check.cpp
  LIBS dictionary_core)
# The test runs the command itself, so it must be built first.
add_dependencies(test_wordlist_check zembrota-check)

# The checker on the shipped list, as an editor runs it: no problems, exit code 0.
add_test(NAME zembrota_check_shipped COMMAND zembrota-check ${CMAKE_SOURCE_DIR}/data/latein.lst)
