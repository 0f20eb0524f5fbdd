# Skinned-control benchmarks (headless).
if(TARGET novla_skin)
    novla_bench(bench_skin_buttons DEPS novla_skin)
endif()
if(TARGET novla_skin)
    novla_bench(bench_skin_form DEPS novla_skin)
endif()
