# The editor shell: AEffGUIEditor over the toolkit.
add_library(velda_editor_shell STATIC ${CMAKE_CURRENT_LIST_DIR}/AEffGUIEditor.cpp)
target_link_libraries(velda_editor_shell PUBLIC velda_shell velda_toolkit)
