# make_art draws the program's bitmaps and icon from code. Its output is kept
# in res/art; after changing the drawing, run build/host/make_art res/art.
set(ART_PURE_SOURCES
    tools/art/art.cpp
    tools/art/bitmap_files.cpp
    tools/art/icon_pixels.cpp
    tools/art/noise.cpp
    tools/art/symbols.cpp)
list(TRANSFORM ART_PURE_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/)

# No fused multiply-add: the drawing then rounds alike on every host and at
# every optimisation level, and the tests can hold it to the committed files.
set(ART_FLOAT_OPTIONS -ffp-contract=off)

add_executable(make_art ${ART_PURE_SOURCES} ${CMAKE_SOURCE_DIR}/tools/art/main.cpp)
target_compile_options(make_art PRIVATE ${WARNINGS} -O2 ${ART_FLOAT_OPTIONS})
set_target_properties(make_art PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

add_library(art_pure STATIC ${ART_PURE_SOURCES})
target_include_directories(art_pure PUBLIC ${CMAKE_SOURCE_DIR}/tools/art)
target_compile_options(art_pure PRIVATE ${WARNINGS} -g ${ART_FLOAT_OPTIONS} ${SANITIZERS})
