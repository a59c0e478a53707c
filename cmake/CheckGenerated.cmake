# Runs GENERATOR with OUTPUT appended and compares OUTPUT with COMMITTED.
get_filename_component(output_dir ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${output_dir})
execute_process(COMMAND ${GENERATOR} ${OUTPUT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "The generator failed (${result}): ${GENERATOR}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${COMMITTED}
                RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "${COMMITTED} is out of date with its generator.\n"
                      "Regenerate it: ${GENERATOR} ${COMMITTED}")
endif()
