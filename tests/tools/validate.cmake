# velda validate against fixtures with an editor: a clean one, one leaking at every editor open
# and one allocating while it processes.
set(_velda_validate_fixture_dir ${CMAKE_BINARY_DIR}/tests/fixtures)
function(velda_validate_fixture target output)
  add_library(${target} MODULE ${CMAKE_CURRENT_LIST_DIR}/ValidateFixturePlugin.cpp)
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR})
  set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME ${output}
    LIBRARY_OUTPUT_DIRECTORY ${_velda_validate_fixture_dir} RUNTIME_OUTPUT_DIRECTORY ${_velda_validate_fixture_dir})
  if(ARGN)
    target_compile_definitions(${target} PRIVATE ${ARGN})
  endif()
endfunction()
velda_validate_fixture(velda_fixture_validate_editor VeldaValidateEditor)
velda_validate_fixture(velda_fixture_leaky_editor VeldaLeakyEditor VELDA_FIXTURE_LEAKY_EDITOR)
velda_validate_fixture(velda_fixture_allocating VeldaAllocating VELDA_FIXTURE_ALLOCATING_PROCESS)

velda_add_test(velda_tool_tests_validate
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ValidateChecksTest.cpp ${CMAKE_CURRENT_LIST_DIR}/ToolRunner.cpp
  LIBRARIES velda_test_support)
add_dependencies(velda_tool_tests_validate velda velda_fixture_plugin velda_fixture_validate_editor
  velda_fixture_leaky_editor velda_fixture_allocating)
