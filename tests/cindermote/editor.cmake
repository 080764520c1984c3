# The track processor's editor, opened offscreen through the dispatcher with the real bitmaps.
velda_add_test(cindermote_editor_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/CindermoteEditorBindingTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CindermoteEditorMeterTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CindermoteEditorLifecycleTest.cpp
    ${CMAKE_SOURCE_DIR}/tests/toolkit/StbImplementations.cpp
  LIBRARIES velda_cindermote_editor velda_registry_test_root velda_test_support)
target_include_directories(cindermote_editor_tests PRIVATE ${CMAKE_BINARY_DIR}/toolkit-stb-include)
velda_add_artwork(cindermote_editor_tests Cindermote)

# The plug-in itself, pictured by the velda tool.
velda_add_test(cindermote_editor_screenshot_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/CindermoteEditorScreenshotTest.cpp
    ${CMAKE_SOURCE_DIR}/tests/toolkit/StbImplementations.cpp ${CMAKE_SOURCE_DIR}/tests/tools/ToolRunner.cpp
  LIBRARIES velda_test_support)
target_include_directories(cindermote_editor_screenshot_tests PRIVATE ${CMAKE_BINARY_DIR}/toolkit-stb-include)
target_compile_definitions(cindermote_editor_screenshot_tests PRIVATE
  VELDA_CINDERMOTE_PLUGIN="$<TARGET_FILE_NAME:cindermote_plugin>")
add_dependencies(cindermote_editor_screenshot_tests velda cindermote_plugin)
