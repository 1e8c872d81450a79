# Fails the build when a source or header of the portable layers includes a platform header
# (Qt, Windows, X11) or reaches into a widget set. Their libraries link no platform either,
# so such an include would not compile; this says which file and line.
set(portable_files)
foreach(folder classlib/widgets identity about shell)
  file(GLOB found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.h
       ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
  list(APPEND portable_files ${found})
endforeach()
string(REPLACE ";" "|" portable_file_list "${portable_files}")

set(stamp ${CMAKE_CURRENT_BINARY_DIR}/portable-includes.stamp)
add_custom_command(OUTPUT ${stamp}
  COMMAND ${CMAKE_COMMAND} "-DFILES=${portable_file_list}"
          -P ${PROJECT_SOURCE_DIR}/cmake/CheckPortableIncludes.cmake
  COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
  DEPENDS ${portable_files} ${PROJECT_SOURCE_DIR}/cmake/CheckPortableIncludes.cmake
  COMMENT "Checking that the portable layers include no platform header" VERBATIM)
add_custom_target(portable_includes_check ALL DEPENDS ${stamp})

if(BUILD_TESTING)
  # The check itself: headers that include Qt and windows.h must fail it.
  add_test(NAME portable_includes_check_catches_platform_headers
    COMMAND ${CMAKE_COMMAND}
            "-DFILES=${PROJECT_SOURCE_DIR}/cmake/tests/IncludesQt.h|${PROJECT_SOURCE_DIR}/cmake/tests/IncludesWindows.h"
            -DEXPECT_FAILURES=2 -P ${PROJECT_SOURCE_DIR}/cmake/CheckPortableIncludes.cmake)
endif()
