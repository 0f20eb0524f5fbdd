# Window system benchmarks (headless; the start-up on a real display is
# measured by scripts/checks/win-xvfb.sh, which prints the demo's figure).
if(TARGET novla_win AND TARGET novla_win_demo)
    novla_bench(bench_win DEPS novla_win novla_win_demo)
endif()
