# The Windows program, its in-process tests (run by Wine) and static checks.
enable_language(RC)

set(WINDOWS_SOURCES
    src/base/setup_state.cpp
    src/app/program_path.cpp
    src/app/wizard_standin.cpp
    src/app/wizard_frame.cpp
    src/app/page_tables.cpp
    src/app/install_wizard.cpp
    src/pages/title_font.cpp
    src/pages/language_page.cpp
    src/pages/information_page.cpp
    src/pages/actions_page.cpp
    src/pages/install_page.cpp
    src/pages/finish_page.cpp
    src/config/lz_file.cpp
    src/config/payload.cpp
    src/config/file_image.cpp
    src/config/profile_cache.cpp
    src/config/texts.cpp
    src/config/message_box.cpp
    src/install/registry.cpp
    src/install/uninstall_log.cpp
    src/install/progress.cpp
    src/install/file_copy.cpp
    src/install/statements.cpp
    src/install/disk_space.cpp
    src/install/program_group.cpp
    src/install/copy_run.cpp
    src/ui/brushes.cpp
    src/ui/drawing.cpp
    src/ui/texture.cpp
    src/ui/off_screen.cpp
    src/ui/control_class.cpp
    src/ui/control_paint.cpp
    src/ui/dialog_paint.cpp
    src/ui/caption.cpp
    src/ui/caption_dialog.cpp
    src/uninstall/removal.cpp
    src/uninstall/uninstall.cpp)

set(PRODUCT_FLAGS ${WARNINGS} -O2 -fno-exceptions -fno-rtti)
set(STATIC_RUNTIME -static -static-libgcc -static-libstdc++)

add_library(setup_core STATIC ${PURE_SOURCES} ${WINDOWS_SOURCES})
target_include_directories(setup_core PUBLIC src res)
target_compile_options(setup_core PRIVATE ${PRODUCT_FLAGS})
target_compile_definitions(setup_core PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(setup_core PUBLIC lz32 user32 gdi32 advapi32 shell32 kernel32)

add_executable(setup WIN32 src/app/main.cpp res/setup.rc)
target_compile_options(setup PRIVATE ${PRODUCT_FLAGS})
target_link_libraries(setup PRIVATE setup_core)
target_link_options(setup PRIVATE ${STATIC_RUNTIME} -s -mwindows)
set_target_properties(setup PROPERTIES OUTPUT_NAME setup RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# The packer, for people who make setups on Windows.
add_executable(mksetup ${MKSETUP_SOURCES})
target_include_directories(mksetup PRIVATE src tools/mksetup)
target_compile_options(mksetup PRIVATE ${WARNINGS} -O2)
target_link_options(mksetup PRIVATE ${STATIC_RUNTIME})
set_target_properties(mksetup PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# Every Windows-side test entry is named by the processor it runs on
# (wine.i686.CopyRun, wine.x86_64.CopyRun): the i686 build is the shipped one.
set(ARCH ${CMAKE_SYSTEM_PROCESSOR})

# Static checks: only system DLLs imported, no payload marker in the image.
add_test(NAME static.${ARCH}.imports_and_marker
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/static/check_exe.sh $<TARGET_FILE:setup> ${CMAKE_OBJDUMP})
set_tests_properties(static.${ARCH}.imports_and_marker PROPERTIES LABELS static)

include(${CMAKE_SOURCE_DIR}/tests/wine/wine_tests.cmake)
include(${CMAKE_SOURCE_DIR}/tests/e2e/e2e_tests.cmake)
include(${CMAKE_SOURCE_DIR}/bench/bench.cmake)
