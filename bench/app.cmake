if(TARGET novla_app)
    novla_bench(bench_app DEPS novla_app)
endif()
