# Desktop integration: desktop entries, icons, AppStream data, and the installed tree in which the
# commands in bin start the programs beside their companion files.
glossand_add_test(test_desktop
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/test_desktop.cpp
  LIBS Qt6::Gui)
target_compile_definitions(test_desktop PRIVATE
  GLOSSAND_DATA_SOURCE_DIR="${CMAKE_SOURCE_DIR}/data"
  GLOSSAND_BINARY_DIR="${CMAKE_BINARY_DIR}"
  GLOSSAND_CMAKE_COMMAND="${CMAKE_COMMAND}")
add_dependencies(test_desktop help_files)

# --help and --version of every program, run as built.
glossand_add_test(test_program_options SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/test_program_options.cpp)
add_dependencies(test_program_options zembrota tessavor quorant quorantc zembrota-check zembrota-formen)
