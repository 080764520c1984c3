# Editor windows (Win32, X11, offscreen), timers and the resource-less stub for toolkit tests.
add_library(velda_platform_ui STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Timer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OffscreenWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UiThread.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PlatformWindowFactory.cpp)
if(WIN32)
  if(EXISTS ${CMAKE_CURRENT_LIST_DIR}/Win32Window.cpp)
    target_sources(velda_platform_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/Win32Window.cpp)
  endif()
  target_link_libraries(velda_platform_ui PUBLIC user32 gdi32 comdlg32 ole32)
else()
  find_package(X11)
  if(X11_FOUND AND EXISTS ${CMAKE_CURRENT_LIST_DIR}/X11Window.cpp)
    target_sources(velda_platform_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/X11Window.cpp
      ${CMAKE_CURRENT_LIST_DIR}/X11FileDialog.cpp)
    target_compile_definitions(velda_platform_ui PRIVATE VELDA_HAVE_X11)
    target_include_directories(velda_platform_ui PRIVATE ${X11_INCLUDE_DIR})
    target_link_libraries(velda_platform_ui PUBLIC ${X11_LIBRARIES})
  endif()
endif()

add_library(velda_resources_none STATIC ${CMAKE_CURRENT_LIST_DIR}/ModuleResourcesNone.cpp)
