if(NOT BUILD_TESTING)
  return()
endif()
enable_testing()

if(CMAKE_CROSSCOMPILING)
  # Debian ships no prebuilt GoogleTest for MinGW; build it from its sources.
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
  find_package(GTest REQUIRED)
endif()

# varnex_add_test(<name> <source> [OFFSCREEN] [MAIN <target>] LIBS <libs...>)
# One test executable per file. OFFSCREEN runs it on Qt's offscreen platform; MAIN names a
# library with its own main() in place of GoogleTest's.
function(varnex_add_test name source)
  cmake_parse_arguments(PARSE_ARGV 2 arg "OFFSCREEN" "MAIN" "LIBS")
  if(NOT arg_MAIN)
    set(arg_MAIN GTest::gtest_main)
  endif()
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE ${arg_LIBS} ${arg_MAIN} GTest::gtest varnex_warnings)
  add_test(NAME ${name} COMMAND ${name})
  # A loader that blocks on a special file must show up as a failure, not a stuck run.
  set_tests_properties(${name} PROPERTIES TIMEOUT 120)
  if(arg_OFFSCREEN)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8")
  endif()
endfunction()
