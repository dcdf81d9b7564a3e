# The shipped help files and texts: every topic the programs ask for exists, every topic loads in
# the rich-text control, no body is cut short by an empty line, the texts are Windows-1252 CR LF.
glossand_add_test(test_help
  SOURCES
    ${CMAKE_CURRENT_SOURCE_DIR}/test_help.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/test_help_texts.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/test_help_main.cpp
  LIBS helpfile richtext common Qt6::Widgets)
target_compile_definitions(test_help PRIVATE
  GLOSSAND_DATA_SOURCE_DIR="${CMAKE_SOURCE_DIR}/data")
add_dependencies(test_help help_files)
