# Benchmarks (not tests): `make bench` runs them under Wine.
# Each links the program's resources: the controls draw with its bitmaps.
function(add_benchmark name)
    add_executable(${name} ${CMAKE_SOURCE_DIR}/bench/${name}.cpp ${CMAKE_SOURCE_DIR}/res/setup.rc)
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/bench)
    target_link_libraries(${name} PRIVATE setup_core)
    target_compile_options(${name} PRIVATE ${WARNINGS} -O2)
    target_link_options(${name} PRIVATE ${STATIC_RUNTIME})
endfunction()

add_benchmark(payload_scan_bench)
add_benchmark(copy_bench)
add_benchmark(copy_run_bench)
add_benchmark(uninstall_bench)
add_benchmark(progress_bench)
add_benchmark(space_check_bench)
