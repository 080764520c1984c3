# Checks of velda validate beyond the core set: editor cycles, non-finite values, other plug-ins
# at once, allocations while processing. Deferred: the velda target is defined by another part.
set(_velda_validate_dir ${CMAKE_CURRENT_LIST_DIR})
function(_velda_add_validate_checks)
  target_sources(velda PRIVATE
    ${_velda_validate_dir}/AllocationCounter.cpp
    ${_velda_validate_dir}/ValidateAllocations.cpp
    ${_velda_validate_dir}/ValidateCompanions.cpp
    ${_velda_validate_dir}/ValidateEditor.cpp
    ${_velda_validate_dir}/ValidateNonFinite.cpp)
  if(NOT WIN32)
    # Plug-ins reach the counting allocation functions only when the executable exports them all.
    target_link_options(velda PRIVATE
      -Wl,--export-dynamic-symbol=malloc -Wl,--export-dynamic-symbol=calloc -Wl,--export-dynamic-symbol=realloc
      -Wl,--export-dynamic-symbol=memalign -Wl,--export-dynamic-symbol=aligned_alloc
      -Wl,--export-dynamic-symbol=posix_memalign)
  endif()
endfunction()
cmake_language(DEFER CALL _velda_add_validate_checks)
