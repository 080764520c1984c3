velda_add_test(toolkit_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ValueModelTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EventsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DrawingTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReferenceCountTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FileSelectorTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StbImplementations.cpp
    ${CMAKE_SOURCE_DIR}/platform/ModuleResourcesNone.cpp
  LIBRARIES velda_toolkit velda_test_support)
target_include_directories(toolkit_tests PRIVATE ${CMAKE_BINARY_DIR}/toolkit-stb-include)

velda_add_test(editor_shell_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/EditorShellTest.cpp ${CMAKE_SOURCE_DIR}/platform/ModuleResourcesNone.cpp
  LIBRARIES velda_product_editor velda_test_support)

# A real X server when Xvfb is installed.
if(NOT WIN32)
  find_package(X11)
  find_program(VELDA_XVFB_RUN xvfb-run)
  if(X11_FOUND AND VELDA_XVFB_RUN)
    add_executable(toolkit_x11_tests ${CMAKE_CURRENT_LIST_DIR}/X11WindowTest.cpp
      ${CMAKE_SOURCE_DIR}/platform/ModuleResourcesNone.cpp)
    target_link_libraries(toolkit_x11_tests PRIVATE velda_toolkit ${X11_LIBRARIES}
      GTest::gtest GTest::gtest_main)
    target_include_directories(toolkit_x11_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests ${X11_INCLUDE_DIR})
    set_target_properties(toolkit_x11_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    add_test(NAME toolkit_x11_tests COMMAND ${VELDA_XVFB_RUN} -a -s "-screen 0 640x480x24 -noreset"
      $<TARGET_FILE:toolkit_x11_tests>)
  endif()
endif()

# The product editor inside a plug-in library, driven offscreen by the velda tool.
add_library(velda_editor_fixture MODULE ${CMAKE_SOURCE_DIR}/shell/PluginEntry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EditorFixturePlugin.cpp)
target_link_libraries(velda_editor_fixture PRIVATE velda_product_editor)
set_target_properties(velda_editor_fixture PROPERTIES PREFIX "" OUTPUT_NAME VeldaEditorFixture
  LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/fixtures RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/fixtures)
if(WIN32)
  target_sources(velda_editor_fixture PRIVATE ${CMAKE_SOURCE_DIR}/cmake/plugin.def)
endif()
velda_add_test(editor_screenshot_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ScreenshotTest.cpp ${CMAKE_CURRENT_LIST_DIR}/StbImplementations.cpp
    ${CMAKE_SOURCE_DIR}/tests/tools/ToolRunner.cpp
  LIBRARIES velda_test_support)
target_include_directories(editor_screenshot_tests PRIVATE ${CMAKE_BINARY_DIR}/toolkit-stb-include)
target_compile_definitions(editor_screenshot_tests PRIVATE
  VELDA_EDITOR_FIXTURE="$<TARGET_FILE_NAME:velda_editor_fixture>")
add_dependencies(editor_screenshot_tests velda velda_editor_fixture)

if(WIN32)
  velda_add_test(toolkit_win32_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/Win32WindowTest.cpp ${CMAKE_SOURCE_DIR}/platform/ModuleResourcesNone.cpp
    LIBRARIES velda_toolkit velda_test_support)
  # Wine shows windows through an X server: run once more under Xvfb when it is installed.
  find_program(VELDA_XVFB_RUN xvfb-run)
  find_program(VELDA_WINE wine)
  if(VELDA_XVFB_RUN AND VELDA_WINE)
    add_test(NAME toolkit_win32_tests_xvfb COMMAND ${VELDA_XVFB_RUN} -a ${VELDA_WINE} $<TARGET_FILE:toolkit_win32_tests>)
  endif()
endif()
