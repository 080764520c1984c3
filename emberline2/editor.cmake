# The product editor shared by the three products (each passes its own look).
add_library(velda_product_editor STATIC ${CMAKE_CURRENT_LIST_DIR}/EmberlineEditor.cpp)
target_link_libraries(velda_product_editor PUBLIC velda_preset_editor)
# CBitmap finds its pictures in the library's resources; a program without pictures still links
# (the look-up then finds nothing), and one that defines the look-up itself keeps its own.
target_link_libraries(velda_toolkit PUBLIC velda_module_resources)
