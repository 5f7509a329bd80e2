# Native build: unit tests of the pure functions under AddressSanitizer and
# UndefinedBehaviorSanitizer, libFuzzer targets, and the setup packer.
find_package(GTest REQUIRED)
include(GoogleTest)

set(SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

add_library(setup_pure STATIC ${PURE_SOURCES})
target_include_directories(setup_pure PUBLIC src)
target_compile_options(setup_pure PRIVATE ${WARNINGS} -g ${SANITIZERS})

# The packer for the people who make setups: optimised, no sanitizers. Its
# pure part is also built with them for the unit tests.
add_executable(mksetup ${MKSETUP_SOURCES})
target_include_directories(mksetup PRIVATE src tools/mksetup)
target_compile_options(mksetup PRIVATE ${WARNINGS} -O2)
set_target_properties(mksetup PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

add_library(mksetup_pure STATIC ${MKSETUP_PURE_SOURCES})
target_include_directories(mksetup_pure PUBLIC tools/mksetup)
target_link_libraries(mksetup_pure PUBLIC setup_pure)
target_compile_options(mksetup_pure PRIVATE ${WARNINGS} -g ${SANITIZERS})

include(${CMAKE_SOURCE_DIR}/tools/art/art.cmake)

# The GUI driver's script language and PNG writer, for the unit tests.
add_library(gui_driver_pure STATIC ${CMAKE_SOURCE_DIR}/tools/gui_driver/driver_script.cpp
            ${CMAKE_SOURCE_DIR}/tools/gui_driver/png_file.cpp)
target_include_directories(gui_driver_pure PUBLIC ${CMAKE_SOURCE_DIR}/tools/gui_driver)
target_compile_options(gui_driver_pure PRIVATE ${WARNINGS} -g ${SANITIZERS})

include(${CMAKE_SOURCE_DIR}/tests/e2e/mksetup_tests.cmake)

add_subdirectory(tests/native)

if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    add_subdirectory(tests/fuzz)
endif()
