# The product editors driven offscreen, one program per product (each carries its pictures).
foreach(_velda_editor_case "emberline2_editor_tests;Emberline2;Emberline2EditorProduct.cpp"
                          "emberline_editor_tests;Emberline;EmberlineEditorProduct.cpp")
  list(GET _velda_editor_case 0 _name)
  list(GET _velda_editor_case 1 _product)
  list(GET _velda_editor_case 2 _source)
  velda_add_test(${_name}
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/EditorTest.cpp ${CMAKE_CURRENT_LIST_DIR}/EditorFixture.cpp
            ${CMAKE_CURRENT_LIST_DIR}/${_source} ${CMAKE_SOURCE_DIR}/tests/toolkit/StbImplementations.cpp
    LIBRARIES velda_emberline2_product velda_emberline1_product velda_registry_test_root velda_test_support)
  target_include_directories(${_name} PRIVATE ${CMAKE_BINARY_DIR}/toolkit-stb-include)
  velda_add_artwork(${_name} ${_product})
endforeach()

velda_add_test(emberline2_knob_entry_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/KnobEntryTest.cpp
  LIBRARIES velda_product_editor velda_test_support)
