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

# varnex_add_test(<name> <source> LIBS <libs...>): one test executable per file.
function(varnex_add_test name source)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "LIBS")
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE ${arg_LIBS} GTest::gtest_main varnex_warnings)
  add_test(NAME ${name} COMMAND ${name})
  # A loader that blocks on a special file must show up as a failure, not a stuck run.
  set_tests_properties(${name} PROPERTIES TIMEOUT 120)
endfunction()
