# Plain layout types that the editors and the artwork generator describe their controls with.
add_library(velda_layout_types INTERFACE ${CMAKE_CURRENT_LIST_DIR}/EditorLayoutTypes.h)
