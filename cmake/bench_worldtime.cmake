# World time with summer time: converting every shipped place by its zone,
# and the refresh's facts; `make bench` runs it with the others.
find_package(benchmark QUIET)
if(benchmark_FOUND)
  add_executable(mensurio_bench_worldtime ${CMAKE_SOURCE_DIR}/bench/worldtime_bench.cpp)
  target_include_directories(mensurio_bench_worldtime PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
  target_link_libraries(mensurio_bench_worldtime PRIVATE mensurio_core benchmark::benchmark benchmark::benchmark_main)
  target_compile_definitions(mensurio_bench_worldtime PRIVATE MENSURIO_BUILD_DATA="${MENSURIO_DATA_DIR}")
  add_dependencies(mensurio_bench_worldtime mensurio_data)
endif()
