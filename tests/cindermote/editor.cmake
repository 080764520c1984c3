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
