# Preset panel placement data, shared by the editors and the artwork generator.
add_library(velda_presets_layout STATIC ${CMAKE_CURRENT_LIST_DIR}/PresetPanelLayout.cpp)
target_link_libraries(velda_presets_layout PUBLIC velda_layout_types)
