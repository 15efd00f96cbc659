# The search benchmark, built only where Google Benchmark is installed; it is
# run by hand (not by ctest) against the compiled data in build/data, or the
# directory named by MENSURIO_DIR.
find_package(benchmark QUIET)
if(benchmark_FOUND)
  add_executable(mensurio_bench_search bench/search_bench.cpp)
  target_link_libraries(mensurio_bench_search PRIVATE mensurio_core benchmark::benchmark)
  target_compile_definitions(mensurio_bench_search PRIVATE MENSURIO_BUILD_DATA="${MENSURIO_DATA_DIR}")
  add_dependencies(mensurio_bench_search mensurio_data)
endif()
