# Look-up of the editor pictures in the library's own resources. The pictures themselves come from
# velda_add_artwork (cmake/VeldaArtwork.cmake), called on each plug-in target.
add_library(velda_module_resources STATIC ${CMAKE_CURRENT_LIST_DIR}/ModuleResources.cpp)
