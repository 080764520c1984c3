# The product editor shared by the three products (each passes its own look).
add_library(velda_product_editor STATIC ${CMAKE_CURRENT_LIST_DIR}/EmberlineEditor.cpp)
target_link_libraries(velda_product_editor PUBLIC velda_preset_editor)
