# Our own targets link this; third-party code built alongside keeps its own flags.
add_library(varnex_warnings INTERFACE)
if(MSVC)
  target_compile_options(varnex_warnings INTERFACE /W4 /WX /utf-8)
else()
  target_compile_options(varnex_warnings INTERFACE -Wall -Wextra -Wpedantic -Werror)
endif()
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  # GCC 12 reports std::string concatenation inlined at -O2 and above as overlapping
  # copies (GCC bug 105329): a false positive that must not fail the build.
  target_compile_options(varnex_warnings INTERFACE -Wno-restrict)
endif()
