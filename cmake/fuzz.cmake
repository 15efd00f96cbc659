# libFuzzer targets, built with clang when MENSURIO_FUZZ is on; `make fuzz`
# builds them in build-fuzz and runs each for a bounded time.
if(NOT MENSURIO_FUZZ)
  return()
endif()
foreach(target areafile datasource helptext numentry settings tzif)
  add_executable(fuzz_${target} ${CMAKE_SOURCE_DIR}/fuzz/${target}_fuzz.cpp)
  target_link_libraries(fuzz_${target} PRIVATE mensurio_datasource)
  target_link_options(fuzz_${target} PRIVATE -fsanitize=fuzzer)
endforeach()
