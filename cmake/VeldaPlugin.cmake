# velda_add_plugin(<target> OUTPUT <file name without suffix> SOURCES ... LIBRARIES ...)
# A VST 2.4 effect library exporting VSTPluginMain and main and nothing else.
function(velda_add_plugin target)
  cmake_parse_arguments(ARG "" "OUTPUT" "SOURCES;LIBRARIES" ${ARGN})
  add_library(${target} MODULE ${CMAKE_SOURCE_DIR}/shell/PluginEntry.cpp ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBRARIES})
  set_target_properties(${target} PROPERTIES
    PREFIX ""
    OUTPUT_NAME ${ARG_OUTPUT}
    LIBRARY_OUTPUT_DIRECTORY ${VELDA_OUTPUT_PLUGINS})
  if(WIN32)
    target_sources(${target} PRIVATE ${CMAKE_SOURCE_DIR}/cmake/plugin.def)
  else()
    target_link_options(${target} PRIVATE
      -Wl,--version-script=${CMAKE_SOURCE_DIR}/cmake/plugin.map -Wl,--no-undefined)
  endif()
endfunction()
