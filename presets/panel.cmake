# The preset panel: its controls, files, per-user store and timer.
target_sources(velda_preset_editor PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CPSKickButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CSaveLoadButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CPSRockerSwitch.cpp)
target_link_libraries(velda_preset_editor PUBLIC velda_preset_effect velda_preset_files velda_presets_layout)
