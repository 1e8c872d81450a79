# cmake -DTOOL=... [-DINPUT=...] -DCOMMITTED=... -P CheckGenerated.cmake
# Runs an asset tool into a scratch file and fails unless it matches the committed file.
get_filename_component(name "${COMMITTED}" NAME)
set(scratch "${CMAKE_CURRENT_BINARY_DIR}/regenerated-${name}")
execute_process(COMMAND "${TOOL}" ${INPUT} "${scratch}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${TOOL} failed: ${result}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${scratch}" "${COMMITTED}"
  RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "${COMMITTED} is not what ${TOOL} makes")
endif()
