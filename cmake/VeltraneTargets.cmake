# Helpers that give every target of ours the same compile rules.

set(VELTRANE_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
    -Wimplicit-fallthrough -Werror)

# veltrane_library(<name> <sources>...): one static library per subsystem folder.
function(veltrane_library name)
  add_library(${name} STATIC ${ARGN})
  target_compile_options(${name} PRIVATE ${VELTRANE_WARNINGS})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()

# veltrane_executable(<name> <sources>...): the program and the tools.
function(veltrane_executable name)
  add_executable(${name} ${ARGN})
  target_compile_options(${name} PRIVATE ${VELTRANE_WARNINGS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
endfunction()

# veltrane_test(<name> SOURCES <files>... LIBS <targets>... [LABELS <labels>...]
#               [TIMEOUT <s>]):
# a GoogleTest executable whose cases CTest runs one process each. Tests
# labelled "threaded" also run under ThreadSanitizer (scripts/test builds the
# target veltrane_threaded_tests in build/tsan and runs ctest -L threaded).
# TIMEOUT ends a case that hangs (tests that drive real windows or other
# programs).
function(veltrane_test name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  veltrane_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gmock GTest::gtest_main)
  # Leak reports from system libraries' caches (fontconfig, libdbus) are
  # suppressed however the tests are started.
  set(properties ENVIRONMENT "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp")
  if(ARG_LABELS)
    list(APPEND properties LABELS "${ARG_LABELS}")
  endif()
  if(ARG_TIMEOUT)
    list(APPEND properties TIMEOUT ${ARG_TIMEOUT})
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
                       WORKING_DIRECTORY ${VELTRANE_RUNTIME_DIR}
                       PROPERTIES ${properties})
  if("threaded" IN_LIST ARG_LABELS)
    if(NOT TARGET veltrane_threaded_tests)
      add_custom_target(veltrane_threaded_tests)
    endif()
    add_dependencies(veltrane_threaded_tests ${name})
  endif()
endfunction()
