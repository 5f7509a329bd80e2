# The real setup.exe started as a user would, on distributions laid out in the
# build tree; checked by what it reports and how it ends.
add_test(NAME e2e.${ARCH}.startup
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/startup_e2e.sh
                 $<TARGET_FILE:setup> ${CMAKE_BINARY_DIR}/e2e ${WINE_STATE}
                 ${CMAKE_SOURCE_DIR}/build/host/mksetup)
set_tests_properties(e2e.${ARCH}.startup PROPERTIES FIXTURES_REQUIRED ${WINE_FIXTURE}
                     RESOURCE_LOCK ${WINE_LOCK} SKIP_RETURN_CODE ${WINE_SKIP_CODE}
                     LABELS e2e TIMEOUT 600)
