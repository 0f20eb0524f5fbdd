if(TARGET novla_skinwriter)
    find_package(ZLIB REQUIRED)
    novla_bench(bench_skinfiles DEPS novla_skinfiles novla_skinwriter ZLIB::ZLIB)
endif()
