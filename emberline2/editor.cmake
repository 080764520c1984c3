# The product editor shared by the three products (each passes its own look).
add_library(velda_product_editor STATIC
  ${CMAKE_CURRENT_LIST_DIR}/EmberlineEditor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EditorParameterFlow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EditorTypedEntry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EditorControls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EditorPageBuilder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EditorMeterFeed.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KnobEntry.cpp)
target_link_libraries(velda_product_editor PUBLIC velda_preset_editor velda_controls velda_emberline_effect
  velda_emberline2_layout velda_emberline_layout)
# CBitmap finds its pictures in the library's resources; a program without pictures still links
# (the look-up then finds nothing), and one that defines the look-up itself keeps its own.
target_link_libraries(velda_toolkit PUBLIC velda_module_resources)
