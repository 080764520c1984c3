# The velda host tool: loads any VST 2.4 library through its entry point; never links plug-in code.
# Further commands join with target_sources(velda PRIVATE ...) from their own .cmake files.
add_executable(velda
  ${CMAKE_CURRENT_LIST_DIR}/main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DynamicLibrary.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PluginHost.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CommandSupport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgramSelector.cpp
  ${CMAKE_CURRENT_LIST_DIR}/InfoCommand.cpp)
set_target_properties(velda PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${VELDA_OUTPUT_TOOLS})
if(NOT WIN32)
  target_link_libraries(velda PRIVATE ${CMAKE_DL_LIBS})
endif()
