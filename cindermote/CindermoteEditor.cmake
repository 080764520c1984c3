# The track processor's editor (pages, controls, meters, typed entry); the plug-in links it.
add_library(velda_cindermote_editor STATIC
  ${CMAKE_CURRENT_LIST_DIR}/CindermoteEditor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CindermoteEditorViews.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CindermoteEditorRunTime.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CindermoteEditorTypedEntry.cpp)
target_link_libraries(velda_cindermote_editor PUBLIC
  velda_cindermote_effect velda_cindermote_layout velda_preset_editor velda_controls)
