# Editor bitmaps found through the resource look-up, with the resources linked as into the plug-ins.
foreach(_velda_product Emberline2 Emberline Cindermote)
  string(TOLOWER ${_velda_product} _velda_lower)
  velda_add_test(velda_artwork_${_velda_lower}_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/ArtworkResourcesTest.cpp
    LIBRARIES velda_emberline2_layout velda_emberline_layout velda_cindermote_layout velda_presets_layout
      velda_test_support)
  target_compile_definitions(velda_artwork_${_velda_lower}_test PRIVATE VELDA_ARTWORK_PRODUCT="${_velda_product}")
  velda_add_artwork(velda_artwork_${_velda_lower}_test ${_velda_product})
endforeach()
