# Serial link benchmarks: plain programs that print their figures.
if(TARGET novla_serial AND TARGET novla_virtual_module)
    add_executable(bench_serial_latency bench_serial_latency.cpp)
    target_link_libraries(bench_serial_latency PRIVATE novla_serial novla_virtual_module)
    add_executable(bench_discovery bench_discovery.cpp)
    target_link_libraries(bench_discovery PRIVATE novla_serial novla_virtual_module)
    add_executable(bench_serial_idle bench_serial_idle.cpp)
    target_link_libraries(bench_serial_idle PRIVATE novla_serial)
endif()
