# In-process tests of the Windows side, run by Wine in one private prefix per
# build tree (made by the wine_prefix_ARCH fixture) under Xvfb. The two trees
# have their own prefixes and locks, so the i686 and x86_64 runs may overlap.
set(WINE_STATE ${CMAKE_BINARY_DIR}/wine)
set(WINE_ENV ${CMAKE_SOURCE_DIR}/tests/wine/wine_env.sh)
set(TEST_FIXTURES ${CMAKE_BINARY_DIR}/fixtures)

# Test data that needs host tools: files compressed by mscompress.
add_custom_command(
    OUTPUT ${TEST_FIXTURES}/fixtures.stamp
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/wine/make_fixtures.sh ${TEST_FIXTURES}
    COMMAND ${CMAKE_COMMAND} -E touch ${TEST_FIXTURES}/fixtures.stamp
    DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine/make_fixtures.sh
    COMMENT "Making test fixtures")
add_custom_target(test_fixtures ALL DEPENDS ${TEST_FIXTURES}/fixtures.stamp)

set(GTEST_ROOT_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_ROOT_DIR} googletest EXCLUDE_FROM_ALL)

# The library whose exported function an HSU entry calls. Real HSU libraries
# export undecorated names: on i686 a WINAPI function would otherwise be
# exported as HsuInit@0.
add_library(hsu_test SHARED ${CMAKE_SOURCE_DIR}/tests/wine/hsu_test_library.cpp)
set_target_properties(hsu_test PROPERTIES PREFIX "" OUTPUT_NAME hsu_test)
target_link_options(hsu_test PRIVATE -static-libgcc -static-libstdc++ -Wl,--kill-at)

# A process that holds a file open, as a running game holds its program.
add_executable(hold_file ${CMAKE_SOURCE_DIR}/tests/wine/hold_file.cpp)
target_link_options(hold_file PRIVATE ${STATIC_RUNTIME})

add_executable(wine_tests
    ${CMAKE_SOURCE_DIR}/tests/wine/main.cpp
    ${CMAKE_SOURCE_DIR}/tests/wine/wine_test_support.cpp
    ${CMAKE_SOURCE_DIR}/tests/wine/payload_test.cpp
    ${CMAKE_SOURCE_DIR}/tests/wine/profile_cache_test.cpp
    ${CMAKE_SOURCE_DIR}/tests/wine/texts_test.cpp
    ${CMAKE_SOURCE_DIR}/tests/wine/startup_test.cpp
    ${CMAKE_SOURCE_DIR}/tests/wine/registry_test.cpp
    ${CMAKE_SOURCE_DIR}/tests/wine/uninstall_log_test.cpp
    ${CMAKE_SOURCE_DIR}/tests/wine/file_copy_test.cpp
    ${CMAKE_SOURCE_DIR}/tests/wine/statements_test.cpp
    ${CMAKE_SOURCE_DIR}/tests/wine/program_group_test.cpp
    ${CMAKE_SOURCE_DIR}/tests/wine/copy_run_test.cpp
    ${CMAKE_SOURCE_DIR}/tests/wine/uninstall_test.cpp
    ${CMAKE_SOURCE_DIR}/tests/wine/packed_setup_test.cpp
    ${CMAKE_SOURCE_DIR}/tests/wine/pixels.cpp
    ${CMAKE_SOURCE_DIR}/tools/gui_driver/png_file.cpp
    ${CMAKE_SOURCE_DIR}/tools/gui_driver/dc_capture.cpp
    ${CMAKE_SOURCE_DIR}/tests/wine/look_test.cpp
    ${CMAKE_SOURCE_DIR}/tests/wine/templates_test.cpp
    ${CMAKE_SOURCE_DIR}/tests/wine/wizard_frame_test.cpp
    ${CMAKE_SOURCE_DIR}/tests/wine/message_box_test.cpp
    ${CMAKE_SOURCE_DIR}/tests/wine/pages_test.cpp
    ${CMAKE_SOURCE_DIR}/res/setup.rc
    ${CMAKE_SOURCE_DIR}/tests/wine/look_test.rc
    ${CMAKE_SOURCE_DIR}/tests/wine/wizard_test.rc)
target_link_libraries(wine_tests PRIVATE setup_core gtest)
target_include_directories(wine_tests PRIVATE ${CMAKE_SOURCE_DIR}/tools/gui_driver)
target_compile_options(wine_tests PRIVATE ${WARNINGS} -O1)
target_link_options(wine_tests PRIVATE ${STATIC_RUNTIME})
add_dependencies(wine_tests test_fixtures setup hsu_test hold_file mksetup)
set_target_properties(wine_tests PROPERTIES CROSSCOMPILING_EMULATOR "bash;${WINE_ENV};run;${WINE_STATE}")

# Entries that run Windows programs exit with WINE_SKIP_CODE, after one line
# saying why, when this machine's Wine cannot run the tree's processor.
set(WINE_SKIP_CODE 77)
set(WINE_FIXTURE wine_prefix_${ARCH})
set(WINE_LOCK wine_prefix_${ARCH})

add_test(NAME wine.${ARCH}.prefix_setup COMMAND bash ${WINE_ENV} setup ${WINE_STATE} ${ARCH})
add_test(NAME wine.${ARCH}.prefix_cleanup COMMAND bash ${WINE_ENV} cleanup ${WINE_STATE})
set_tests_properties(wine.${ARCH}.prefix_setup PROPERTIES FIXTURES_SETUP ${WINE_FIXTURE} TIMEOUT 300 LABELS wine)
set_tests_properties(wine.${ARCH}.prefix_cleanup PROPERTIES FIXTURES_CLEANUP ${WINE_FIXTURE} TIMEOUT 60 LABELS wine)

# One CTest entry per suite keeps the number of Wine starts small.
foreach(suite PayloadFiles ProfileCache Texts DialogTexts Startup Registry UninstallLog FileCopy
              Statements ProgramGroup CopyRun Uninstall PackedSetup Look Templates WizardFrame
              MessageBoxDialog Pages)
    add_test(NAME wine.${ARCH}.${suite} COMMAND wine_tests --gtest_filter=${suite}.*)
    # One Windows program at a time: the prefix's services are shared.
    set_tests_properties(wine.${ARCH}.${suite} PROPERTIES
        FIXTURES_REQUIRED ${WINE_FIXTURE}
        RESOURCE_LOCK ${WINE_LOCK}
        SKIP_RETURN_CODE ${WINE_SKIP_CODE}
        LABELS wine
        TIMEOUT 300
        ENVIRONMENT "SETUP_TEST_FIXTURES=${TEST_FIXTURES};SETUP_EXE=$<TARGET_FILE:setup>;SETUP_TEST_CD=${WINE_STATE}/cd;SETUP_TEST_HSU_DLL=$<TARGET_FILE:hsu_test>;SETUP_TEST_HOLD_FILE=$<TARGET_FILE:hold_file>;SETUP_TEST_MKSETUP=$<TARGET_FILE:mksetup>")
endforeach()
