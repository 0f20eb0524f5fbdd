if(TARGET novla_gfx)
    novla_bench(bench_gfx DEPS novla_gfx)
endif()
