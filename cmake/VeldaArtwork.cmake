# velda_add_artwork(<target> <product>): puts the product's editor bitmaps into a library or program
# and links the look-up that finds them (platform/ModuleResources).
#   Windows: the resource script compiled by windres, linked as an object.
#   ELF: a generated source that embeds the bitmap files with .incbin.
# The bitmaps are drawn by the generator of the native tree (resources/artwork.cmake); a Windows tree
# takes them from VELDA_ARTWORK_DIR.
function(velda_add_artwork target product)
  set(dir ${VELDA_ARTWORK_DIR}/${product})
  if(WIN32)
    set(object ${CMAKE_BINARY_DIR}/resources/${product}-resources.o)
    target_sources(${target} PRIVATE ${object})
    set_source_files_properties(${object} PROPERTIES EXTERNAL_OBJECT TRUE GENERATED TRUE)
  else()
    target_sources(${target} PRIVATE ${dir}/resources.cpp)
    set_source_files_properties(${dir}/resources.cpp PROPERTIES GENERATED TRUE)
  endif()
  add_dependencies(${target} velda_artwork_${product})
  target_link_libraries(${target} PRIVATE velda_module_resources)
endfunction()
