# The packer run as a command, against mscompress and msexpand.
add_test(NAME e2e.mksetup
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/mksetup_e2e.sh $<TARGET_FILE:mksetup>
                 ${CMAKE_BINARY_DIR}/mksetup-e2e)
set_tests_properties(e2e.mksetup PROPERTIES LABELS e2e TIMEOUT 300)
