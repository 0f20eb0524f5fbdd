# zlib is used here only, as the yardstick of the skin reader's decoder.
if(TARGET novla_skinwriter)
    find_package(ZLIB QUIET)
    if(ZLIB_FOUND)
        novla_bench(bench_skinfiles DEPS novla_skinfiles novla_skinwriter ZLIB::ZLIB)
    else()
        message(STATUS "zlib not found: bench_skinfiles is not built (scripts/install-deps.sh check)")
    endif()
endif()
