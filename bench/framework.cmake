if(TARGET novla_framework)
    novla_bench(bench_framework DEPS novla_framework)
    novla_bench(bench_framework_forms DEPS novla_framework)
endif()
