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

# The same bitmaps carried by small loadable libraries, looked up from inside them.
foreach(_velda_product Emberline2 Emberline Cindermote)
  string(TOLOWER ${_velda_product} _velda_lower)
  set(_velda_probe velda_artwork_probe_${_velda_lower})
  add_library(${_velda_probe} MODULE ${CMAKE_CURRENT_LIST_DIR}/ArtworkProbe.cpp)
  set_target_properties(${_velda_probe} PROPERTIES PREFIX "" CXX_VISIBILITY_PRESET default
    LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  velda_add_artwork(${_velda_probe} ${_velda_product})
  string(TOUPPER ${_velda_product} _velda_upper)
  list(APPEND _velda_probe_paths VELDA_PROBE_${_velda_upper}="$<TARGET_FILE:${_velda_probe}>")
  list(APPEND _velda_probes ${_velda_probe})
endforeach()
velda_add_test(velda_artwork_library_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ArtworkLibraryTest.cpp ${CMAKE_SOURCE_DIR}/tools/DynamicLibrary.cpp
  LIBRARIES velda_emberline2_layout velda_emberline_layout velda_cindermote_layout velda_presets_layout
    ${CMAKE_DL_LIBS})
target_compile_definitions(velda_artwork_library_test PRIVATE ${_velda_probe_paths})
add_dependencies(velda_artwork_library_test ${_velda_probes})

# The generator runs on the build machine only: its reproducibility is checked in the native tree.
if(NOT CMAKE_CROSSCOMPILING)
  foreach(_velda_product Emberline2 Emberline Cindermote)
    add_test(NAME velda_artwork_reproducible_${_velda_product}
      COMMAND ${CMAKE_COMMAND} -DGENERATOR=$<TARGET_FILE:velda_artgen> -DPRODUCT=${_velda_product}
        -DWORK=${CMAKE_BINARY_DIR}/tests/artwork-runs/${_velda_product}
        -P ${CMAKE_SOURCE_DIR}/cmake/VeldaArtworkReproducible.cmake)
  endforeach()
endif()
