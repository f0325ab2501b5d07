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

# veltrane_test(<name> SOURCES <files>... LIBS <targets>... [TIMEOUT <s>]): a
# GoogleTest executable whose cases CTest runs one process each; TIMEOUT ends
# a case that hangs (tests that drive real windows or other programs).
function(veltrane_test name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  veltrane_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gmock GTest::gtest_main)
  set(properties)
  if(ARG_TIMEOUT)
    set(properties PROPERTIES TIMEOUT ${ARG_TIMEOUT})
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
                       WORKING_DIRECTORY ${VELTRANE_RUNTIME_DIR} ${properties})
endfunction()
