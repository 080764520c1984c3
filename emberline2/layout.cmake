# Editor layout data (controls, bitmaps, engravings), shared by the editor and the artwork generator.
add_library(velda_emberline2_layout STATIC ${CMAKE_CURRENT_LIST_DIR}/EditorLayout.cpp)
target_link_libraries(velda_emberline2_layout PUBLIC velda_layout_types)
