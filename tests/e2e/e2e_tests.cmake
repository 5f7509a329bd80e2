# The real setup.exe started as a user would, on distributions laid out in the
# build tree; checked by what it reports and how it ends.
add_test(NAME e2e.startup
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/startup_e2e.sh
                 $<TARGET_FILE:setup> ${CMAKE_BINARY_DIR}/e2e ${WINE_STATE}
                 ${CMAKE_SOURCE_DIR}/build/host/mksetup)
set_tests_properties(e2e.startup PROPERTIES FIXTURES_REQUIRED wine_prefix RESOURCE_LOCK wine_prefix
                     LABELS e2e TIMEOUT 600)
