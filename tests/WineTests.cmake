# Windows tests run under Wine through scripts/wine-run. One ctest run shares
# one Wine prefix and one Xvfb display: the "wine" fixture starts them before
# the first Windows test and stops them after the last one.
add_test(NAME wine.session.start COMMAND ${QUENLOW_WINE_RUN} --start-session ${QUENLOW_WINE_SESSION})
add_test(NAME wine.session.stop COMMAND ${QUENLOW_WINE_RUN} --stop-session ${QUENLOW_WINE_SESSION})
set_tests_properties(wine.session.start PROPERTIES FIXTURES_SETUP wine)
set_tests_properties(wine.session.stop PROPERTIES FIXTURES_CLEANUP wine)

add_executable(quenlow_windows_tests)
target_link_libraries(quenlow_windows_tests PRIVATE quenlow_windows GTest::gtest_main)

# Adds one ctest test per TEST() found in the executable's sources; each runs
# the executable under Wine with a filter for that test.
function(quenlow_add_wine_tests target)
  gtest_add_tests(TARGET ${target} TEST_LIST added)
  set_tests_properties(${added} PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine-display
                       TIMEOUT 120)
endfunction()

# The saver host's own tests: message chain and frame loops.
add_executable(quenlow_host_tests)
target_link_libraries(quenlow_host_tests PRIVATE quenlow_host GTest::gtest_main)
