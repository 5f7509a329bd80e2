# The real setup.exe started as a user would, on distributions laid out in the
# build tree; checked by what it reports and how it ends.
add_test(NAME e2e.${ARCH}.startup
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/startup_e2e.sh
                 $<TARGET_FILE:setup> ${CMAKE_BINARY_DIR}/e2e ${WINE_STATE}
                 ${CMAKE_SOURCE_DIR}/build/host/mksetup $<TARGET_FILE:gui_driver>)
set_tests_properties(e2e.${ARCH}.startup PROPERTIES FIXTURES_REQUIRED ${WINE_FIXTURE}
                     RESOURCE_LOCK ${WINE_LOCK} SKIP_RETURN_CODE ${WINE_SKIP_CODE}
                     LABELS e2e TIMEOUT 600)

# The GUI driver (for the tests and the demo) against a small program.
add_executable(gui_driver ${CMAKE_SOURCE_DIR}/tools/gui_driver/main.cpp
               ${CMAKE_SOURCE_DIR}/tools/gui_driver/driver_script.cpp
               ${CMAKE_SOURCE_DIR}/tools/gui_driver/box_icon.cpp
               ${CMAKE_SOURCE_DIR}/tools/gui_driver/dc_capture.cpp
               ${CMAKE_SOURCE_DIR}/tools/gui_driver/png_file.cpp)
target_compile_options(gui_driver PRIVATE ${WARNINGS} -O2)
target_link_libraries(gui_driver PRIVATE user32 gdi32)
target_link_options(gui_driver PRIVATE ${STATIC_RUNTIME})
set_target_properties(gui_driver PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

add_executable(driver_target ${CMAKE_SOURCE_DIR}/tests/e2e/driver_target.cpp
               ${CMAKE_SOURCE_DIR}/tests/e2e/driver_target.rc)
target_compile_options(driver_target PRIVATE ${WARNINGS} -O1)
target_link_options(driver_target PRIVATE ${STATIC_RUNTIME})

add_test(NAME e2e.${ARCH}.gui_driver
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/gui_driver_e2e.sh $<TARGET_FILE:gui_driver>
                 $<TARGET_FILE:driver_target> ${CMAKE_BINARY_DIR}/gui-driver-e2e ${WINE_STATE})
set_tests_properties(e2e.${ARCH}.gui_driver PROPERTIES FIXTURES_REQUIRED ${WINE_FIXTURE}
                     RESOURCE_LOCK ${WINE_LOCK} SKIP_RETURN_CODE ${WINE_SKIP_CODE}
                     LABELS e2e TIMEOUT 300)

# Whole installations through the wizard, driven by the GUI driver.
add_test(NAME e2e.${ARCH}.install
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/install_e2e.sh $<TARGET_FILE:setup>
                 $<TARGET_FILE:gui_driver> ${CMAKE_BINARY_DIR}/install-e2e ${WINE_STATE})
set_tests_properties(e2e.${ARCH}.install PROPERTIES FIXTURES_REQUIRED ${WINE_FIXTURE}
                     RESOURCE_LOCK ${WINE_LOCK} SKIP_RETURN_CODE ${WINE_SKIP_CODE}
                     LABELS e2e TIMEOUT 600)
