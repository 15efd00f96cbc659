# The exchange-rate import: reading rate files and rewriting the currency
# file; `make bench` runs it with the others.
find_package(benchmark QUIET)
if(benchmark_FOUND)
  add_executable(mensurio_bench_rates ${CMAKE_SOURCE_DIR}/bench/rateimport_bench.cpp)
  target_include_directories(mensurio_bench_rates PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
  target_link_libraries(mensurio_bench_rates PRIVATE mensurio_core benchmark::benchmark)
  target_compile_definitions(mensurio_bench_rates PRIVATE MENSURIO_BUILD_DATA="${MENSURIO_DATA_DIR}")
  add_dependencies(mensurio_bench_rates mensurio_data)
endif()
