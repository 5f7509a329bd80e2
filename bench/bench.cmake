# Benchmarks (not tests): `make bench` runs them under Wine.
add_executable(payload_scan_bench ${CMAKE_SOURCE_DIR}/bench/payload_scan_bench.cpp)
target_link_libraries(payload_scan_bench PRIVATE setup_core)
target_compile_options(payload_scan_bench PRIVATE ${WARNINGS} -O2)
target_link_options(payload_scan_bench PRIVATE ${STATIC_RUNTIME})

add_executable(copy_bench ${CMAKE_SOURCE_DIR}/bench/copy_bench.cpp)
target_link_libraries(copy_bench PRIVATE setup_core)
target_compile_options(copy_bench PRIVATE ${WARNINGS} -O2)
target_link_options(copy_bench PRIVATE ${STATIC_RUNTIME})

add_executable(copy_run_bench ${CMAKE_SOURCE_DIR}/bench/copy_run_bench.cpp)
target_link_libraries(copy_run_bench PRIVATE setup_core)
target_compile_options(copy_run_bench PRIVATE ${WARNINGS} -O2)
target_link_options(copy_run_bench PRIVATE ${STATIC_RUNTIME})

add_executable(uninstall_bench ${CMAKE_SOURCE_DIR}/bench/uninstall_bench.cpp)
target_link_libraries(uninstall_bench PRIVATE setup_core)
target_compile_options(uninstall_bench PRIVATE ${WARNINGS} -O2)
target_link_options(uninstall_bench PRIVATE ${STATIC_RUNTIME})
