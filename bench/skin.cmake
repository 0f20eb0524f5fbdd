if(TARGET novla_skin)
    novla_bench(bench_skin DEPS novla_skin)
endif()
