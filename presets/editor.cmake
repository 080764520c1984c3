# The editor bases of the preset system.
add_library(velda_preset_editor STATIC
  ${CMAKE_CURRENT_LIST_DIR}/CPresetSystemEditor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CMyPresetSystemEditor.cpp)
target_link_libraries(velda_preset_editor PUBLIC velda_editor_shell)
