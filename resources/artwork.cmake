# Editor bitmaps of the three products: drawn at build time by velda_artgen (native builds only),
# then embedded into each plug-in by velda_add_artwork.
include(VeldaArtwork)

set(VELDA_ARTWORK_PRODUCTS Emberline2 Emberline Cindermote)

if(CMAKE_CROSSCOMPILING)
  get_filename_component(_velda_native_tree ${CMAKE_BINARY_DIR}/../linux ABSOLUTE)
  set(VELDA_ARTWORK_DIR ${_velda_native_tree}/artwork CACHE PATH
    "Folder with the bitmaps drawn by a native build (its artwork folder)")
  if(NOT EXISTS ${VELDA_ARTWORK_DIR})
    message(WARNING "VELDA_ARTWORK_DIR (${VELDA_ARTWORK_DIR}) does not exist yet: build the native tree first")
  endif()
  if(NOT CMAKE_RC_COMPILER)
    set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
  endif()
  foreach(product IN LISTS VELDA_ARTWORK_PRODUCTS)
    set(dir ${VELDA_ARTWORK_DIR}/${product})
    set(object ${CMAKE_BINARY_DIR}/resources/${product}-resources.o)
    # The embedding source carries a hash of every picture, so it stands for all of them here.
    add_custom_command(OUTPUT ${object}
      COMMAND ${CMAKE_RC_COMPILER} -O coff -I ${dir} -i ${dir}/resources.rc -o ${object}
      WORKING_DIRECTORY ${dir}
      DEPENDS ${dir}/resources.rc ${dir}/resources.cpp
      COMMENT "Compiling the ${product} editor bitmaps"
      VERBATIM)
    add_custom_target(velda_artwork_${product} DEPENDS ${object})
  endforeach()
else()
  set(VELDA_ARTWORK_DIR ${CMAKE_BINARY_DIR}/artwork CACHE INTERNAL "Folder of the drawn editor bitmaps")
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(VELDA_CAIRO REQUIRED IMPORTED_TARGET cairo cairo-ft freetype2)
  set(_gen ${CMAKE_CURRENT_LIST_DIR}/generator)
  add_executable(velda_artgen
    ${_gen}/main.cpp ${_gen}/Artwork.cpp ${_gen}/BmpFile.cpp ${_gen}/Controls.cpp ${_gen}/Faceplate.cpp
    ${_gen}/Image.cpp ${_gen}/KnobGeometry.cpp ${_gen}/Meters.cpp ${_gen}/ResourceScripts.cpp
    ${_gen}/Sheets.cpp ${_gen}/Text.cpp ${_gen}/Theme.cpp)
  target_link_libraries(velda_artgen PRIVATE velda_emberline2_layout velda_emberline_layout
    velda_cindermote_layout velda_presets_layout PkgConfig::VELDA_CAIRO)
  foreach(product IN LISTS VELDA_ARTWORK_PRODUCTS)
    set(dir ${VELDA_ARTWORK_DIR}/${product})
    add_custom_command(OUTPUT ${dir}/resources.cpp ${dir}/resources.rc
      BYPRODUCTS ${dir}/contact-sheet.png ${dir}/preview-main.png ${dir}/preview-settings.png
      COMMAND velda_artgen ${product} ${dir}
      DEPENDS velda_artgen
      COMMENT "Drawing the ${product} editor bitmaps"
      VERBATIM)
    add_custom_target(velda_artwork_${product} DEPENDS ${dir}/resources.cpp ${dir}/resources.rc)
  endforeach()
endif()

# The plug-in targets are made by the product folders, which come after this one.
function(_velda_attach_artwork)
  foreach(pair emberline2_plugin=Emberline2 emberline_plugin=Emberline cindermote_plugin=Cindermote)
    string(REPLACE "=" ";" pair ${pair})
    list(GET pair 0 target)
    list(GET pair 1 product)
    if(TARGET ${target})
      velda_add_artwork(${target} ${product})
    endif()
  endforeach()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL _velda_attach_artwork)
