# Hardening of the release build, as Debian builds its packages: stack protector and clash
# protection, control-flow protection, checked string and memory functions, format checks,
# position-independent executables, and a read-only relocation table bound at start (bindnow).
# The sanitizer and fuzzing builds bring their own instrumentation and go without.
if(CMAKE_BUILD_TYPE STREQUAL "Release" AND NOT GLOSSAND_SANITIZE AND NOT GLOSSAND_FUZZ)
  include(CheckPIESupported)
  check_pie_supported()
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  add_compile_definitions(_FORTIFY_SOURCE=2)
  add_compile_options(-fstack-protector-strong -fstack-clash-protection -fcf-protection
                      -Wformat -Werror=format-security)
  add_link_options(-Wl,-z,relro -Wl,-z,now -Wl,--as-needed)
endif()
