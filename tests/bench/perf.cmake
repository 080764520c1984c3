# velda_instances_bench: many instances of a plug-in library side by side (Linux builds only).
if(NOT WIN32)
  add_executable(velda_instances_bench ${CMAKE_CURRENT_LIST_DIR}/InstancesBench.cpp)
  target_include_directories(velda_instances_bench PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(velda_instances_bench PRIVATE ${CMAKE_DL_LIBS})
  set_target_properties(velda_instances_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
endif()
