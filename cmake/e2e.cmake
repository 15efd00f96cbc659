# The end-to-end test of the real program under Xvfb.
if(NOT MENSURIO_WITH_UI)
  return()
endif()
function(mensurio_e2e_target)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
  add_executable(test_e2e ${sources})
  target_link_libraries(test_e2e PRIVATE mensurio_core GTest::gtest GTest::gtest_main)
  target_include_directories(test_e2e PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
  target_compile_definitions(test_e2e PRIVATE MENSURIO_BUILD_DATA="${MENSURIO_DATA_DIR}"
                             MENSURIO_PROGRAM="$<TARGET_FILE:mensurio>")
  add_dependencies(test_e2e mensurio mensurio_data)
  foreach(name EndToEnd.ConvertCopyHideAndQuit EndToEnd.ImportRatesThroughTheMenuAndTheFileDialog
               SingleInstance.OneDirectoryOneProgram)
    add_test(NAME ${name} COMMAND test_e2e --gtest_filter=${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 120 RUN_SERIAL TRUE)
  endforeach()
endfunction()

