# Native build: unit tests of the pure functions under AddressSanitizer and
# UndefinedBehaviorSanitizer, libFuzzer targets, and the host tools.
find_package(GTest REQUIRED)
include(GoogleTest)

set(SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

add_library(setup_pure STATIC ${PURE_SOURCES})
target_include_directories(setup_pure PUBLIC src)
target_compile_options(setup_pure PRIVATE ${WARNINGS} -g ${SANITIZERS})

add_subdirectory(tests/native)
add_subdirectory(tools)

if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    add_subdirectory(tests/fuzz)
endif()
