# The end-to-end test of the real program under Xvfb.
if(NOT MENSURIO_WITH_UI)
  return()
endif()
function(mensurio_e2e_target)
  add_executable(test_e2e ${CMAKE_SOURCE_DIR}/tests/e2e/e2e_test.cpp)
  target_link_libraries(test_e2e PRIVATE mensurio_core GTest::gtest GTest::gtest_main)
  target_include_directories(test_e2e PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
  target_compile_definitions(test_e2e PRIVATE MENSURIO_BUILD_DATA="${MENSURIO_DATA_DIR}"
                             MENSURIO_PROGRAM="$<TARGET_FILE:mensurio>")
  add_dependencies(test_e2e mensurio mensurio_data)
  add_test(NAME EndToEnd.ConvertCopyHideAndQuit COMMAND test_e2e)
  set_tests_properties(EndToEnd.ConvertCopyHideAndQuit PROPERTIES TIMEOUT 120 RUN_SERIAL TRUE)
endfunction()

# Two starts of the real program on the offscreen platform.
function(mensurio_instance_test_target)
  add_executable(test_instance ${CMAKE_SOURCE_DIR}/tests/instance/single_instance_test.cpp)
  target_include_directories(test_instance PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
  target_link_libraries(test_instance PRIVATE GTest::gtest GTest::gtest_main)
  target_compile_definitions(test_instance PRIVATE MENSURIO_PROGRAM="$<TARGET_FILE:mensurio>")
  add_dependencies(test_instance mensurio mensurio_data)
  gtest_discover_tests(test_instance PROPERTIES TIMEOUT 120 DISCOVERY_TIMEOUT 60)
endfunction()
