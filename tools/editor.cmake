# Editor commands of the velda tool: screenshot (offscreen) and edit (a real window).
# Deferred: the velda target is defined by another part of this folder.
set(_velda_tools_dir ${CMAKE_CURRENT_LIST_DIR})
function(_velda_add_editor_commands)
  target_sources(velda PRIVATE
    ${_velda_tools_dir}/EditorSession.cpp
    ${_velda_tools_dir}/ScreenshotCommand.cpp
    ${_velda_tools_dir}/EditCommand.cpp
    ${CMAKE_SOURCE_DIR}/platform/HostWindow.cpp
    ${CMAKE_SOURCE_DIR}/platform/Timer.cpp)
  if(WIN32)
    target_link_libraries(velda PRIVATE user32 gdi32)
  else()
    find_package(X11)
    if(X11_FOUND)
      target_compile_definitions(velda PRIVATE VELDA_HAVE_X11)
      target_include_directories(velda PRIVATE ${X11_INCLUDE_DIR})
      target_link_libraries(velda PRIVATE ${X11_LIBRARIES})
    endif()
  endif()
endfunction()
cmake_language(DEFER CALL _velda_add_editor_commands)
