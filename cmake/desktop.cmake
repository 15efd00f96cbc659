# The real program on an Xvfb server of its own, driven by keyboard only.
if(NOT MENSURIO_WITH_UI)
  return()
endif()
function(mensurio_desktop_target)
  add_executable(test_desktop ${CMAKE_SOURCE_DIR}/tests/desktop/keyboard_test.cpp)
  target_include_directories(test_desktop PRIVATE ${CMAKE_SOURCE_DIR}/tests/e2e ${CMAKE_SOURCE_DIR}/tests/support)
  target_link_libraries(test_desktop PRIVATE mensurio_core GTest::gtest GTest::gtest_main)
  target_compile_definitions(test_desktop PRIVATE MENSURIO_BUILD_DATA="${MENSURIO_DATA_DIR}"
                             MENSURIO_PROGRAM="$<TARGET_FILE:mensurio>")
  add_dependencies(test_desktop mensurio mensurio_data)
  add_test(NAME KeyboardOnly.TitlesFocusedButtonsAndButtonKeys COMMAND test_desktop)
  set_tests_properties(KeyboardOnly.TitlesFocusedButtonsAndButtonKeys PROPERTIES TIMEOUT 120 RUN_SERIAL TRUE)
endfunction()
