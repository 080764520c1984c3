# Each module folder is assembled from "<part>.cmake" files, one per piece of work, so that
# independent pieces add their targets without editing a shared list.
macro(velda_include_parts)
  file(GLOB _velda_parts CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cmake)
  list(SORT _velda_parts)
  foreach(_part IN LISTS _velda_parts)
    include(${_part})
  endforeach()
endmacro()
