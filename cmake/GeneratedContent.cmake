# Drift tests for committed generated files: the test runs the generator into
# the build tree and fails when its output differs from the committed file.
#
#   quenlow_add_drift_test(NAME name COMMITTED file COMMAND generator args...)
#
# The output path is appended to the generator's arguments.
function(quenlow_add_drift_test)
  cmake_parse_arguments(DRIFT "" "NAME;COMMITTED" "COMMAND" ${ARGN})
  get_filename_component(file_name ${DRIFT_COMMITTED} NAME)
  set(regenerated ${CMAKE_BINARY_DIR}/regenerated/${DRIFT_NAME}/${file_name})
  add_test(NAME generated.${DRIFT_NAME}
           COMMAND ${CMAKE_COMMAND} -DOUTPUT=${regenerated} -DCOMMITTED=${DRIFT_COMMITTED}
                   "-DGENERATOR=${DRIFT_COMMAND}" -P ${CMAKE_SOURCE_DIR}/cmake/CheckGenerated.cmake)
endfunction()
