# Micro-benchmarks of the result texts and the factor conversion; built only
# where Google Benchmark is installed, and not part of the test suite.
find_package(benchmark QUIET)
if(benchmark_FOUND)
  add_executable(mensurio_bench_format ${CMAKE_SOURCE_DIR}/bench/format_bench.cpp)
  target_include_directories(mensurio_bench_format PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
  target_link_libraries(mensurio_bench_format PRIVATE mensurio_core benchmark::benchmark benchmark::benchmark_main)
endif()
