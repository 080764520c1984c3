# Per-user settings store (registry on Windows, a file store elsewhere).
add_library(velda_registry STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Registry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RegistryValueFile.cpp)
if(WIN32)
  target_sources(velda_registry PRIVATE ${CMAKE_CURRENT_LIST_DIR}/RegistryWin32.cpp)
  target_link_libraries(velda_registry PUBLIC advapi32)
else()
  target_sources(velda_registry PRIVATE ${CMAKE_CURRENT_LIST_DIR}/RegistryFileStore.cpp)
endif()
target_link_libraries(velda_platform PUBLIC velda_registry)

# Tests only: isolates the store of a test process.
add_library(velda_registry_test_root STATIC ${CMAKE_CURRENT_LIST_DIR}/RegistryTestRoot.cpp)
target_link_libraries(velda_registry_test_root PUBLIC velda_registry)

target_sources(velda_registry PRIVATE ${CMAKE_CURRENT_LIST_DIR}/RegistryText.cpp)
