# End-to-end tests of the velda host tool, with small fixture libraries of their own.
set(_velda_fixture_dir ${CMAKE_BINARY_DIR}/tests/fixtures)
function(velda_tool_fixture target output)
  add_library(${target} MODULE ${ARGN})
  set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME ${output}
    LIBRARY_OUTPUT_DIRECTORY ${_velda_fixture_dir} RUNTIME_OUTPUT_DIRECTORY ${_velda_fixture_dir})
endfunction()
velda_tool_fixture(velda_fixture_plugin VeldaFixture ${CMAKE_CURRENT_LIST_DIR}/FixturePlugin.cpp)
velda_tool_fixture(velda_fixture_null_entry VeldaNullEntry ${CMAKE_CURRENT_LIST_DIR}/FixturePlugin.cpp)
target_compile_definitions(velda_fixture_null_entry PRIVATE VELDA_FIXTURE_NULL_ENTRY)
velda_tool_fixture(velda_fixture_faulty VeldaFaulty ${CMAKE_CURRENT_LIST_DIR}/FixturePlugin.cpp)
target_compile_definitions(velda_fixture_faulty PRIVATE VELDA_FIXTURE_FAULTY)
velda_tool_fixture(velda_fixture_late_latency VeldaLateLatency ${CMAKE_CURRENT_LIST_DIR}/FixturePlugin.cpp)
target_compile_definitions(velda_fixture_late_latency PRIVATE VELDA_FIXTURE_LATE_LATENCY)
velda_tool_fixture(velda_fixture_vst_programs VeldaVstPrograms ${CMAKE_CURRENT_LIST_DIR}/FixturePlugin.cpp)
target_compile_definitions(velda_fixture_vst_programs PRIVATE VELDA_FIXTURE_VST_PROGRAMS)
velda_tool_fixture(velda_fixture_not_a_plugin VeldaNotAPlugin ${CMAKE_CURRENT_LIST_DIR}/NotAPlugin.cpp)

velda_add_test(velda_tool_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/VeldaToolTest.cpp ${CMAKE_CURRENT_LIST_DIR}/ToolRunner.cpp
  LIBRARIES velda_test_support)
add_dependencies(velda_tool_tests velda velda_fixture_plugin velda_fixture_null_entry velda_fixture_faulty
  velda_fixture_late_latency velda_fixture_vst_programs velda_fixture_not_a_plugin)
