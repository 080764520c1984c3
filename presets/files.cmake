# Preset and bank records, their files and the per-user defaults: plain data, no editor.
add_library(velda_preset_files STATIC
  ${CMAKE_CURRENT_LIST_DIR}/PresetFileRecord.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PresetFileIo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PresetDefaults.cpp)
target_link_libraries(velda_preset_files PUBLIC velda_platform)
