velda_add_test(preset_panel_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/PanelTest.cpp ${CMAKE_SOURCE_DIR}/platform/ModuleResourcesNone.cpp
  LIBRARIES velda_preset_editor velda_registry_test_root velda_test_support)
velda_add_test(preset_panel_emberline2_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/PanelEmberline2Test.cpp ${CMAKE_SOURCE_DIR}/platform/ModuleResourcesNone.cpp
  LIBRARIES velda_emberline2_product velda_product_editor velda_emberline2_layout velda_preset_editor velda_registry_test_root velda_test_support)
