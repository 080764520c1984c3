# The editor toolkit: views, controls, bitmaps and the software renderer.
enable_language(ASM)
set(_velda_toolkit_dir ${CMAKE_CURRENT_LIST_DIR})
add_library(velda_toolkit STATIC
  ${_velda_toolkit_dir}/CAnimKnob.cpp
  ${_velda_toolkit_dir}/CBitmap.cpp
  ${_velda_toolkit_dir}/CControl.cpp
  ${_velda_toolkit_dir}/CDrawContext.cpp
  ${_velda_toolkit_dir}/CFontDesc.cpp
  ${_velda_toolkit_dir}/CFrame.cpp
  ${_velda_toolkit_dir}/CKickButton.cpp
  ${_velda_toolkit_dir}/CKnob.cpp
  ${_velda_toolkit_dir}/CMenuOverlay.cpp
  ${_velda_toolkit_dir}/CNewFileSelector.cpp
  ${_velda_toolkit_dir}/COnOffButton.cpp
  ${_velda_toolkit_dir}/COptionMenu.cpp
  ${_velda_toolkit_dir}/CParamDisplay.cpp
  ${_velda_toolkit_dir}/CRockerSwitch.cpp
  ${_velda_toolkit_dir}/CTextEdit.cpp
  ${_velda_toolkit_dir}/CTextLabel.cpp
  ${_velda_toolkit_dir}/CVerticalSwitch.cpp
  ${_velda_toolkit_dir}/CView.cpp
  ${_velda_toolkit_dir}/CViewContainer.cpp
  ${_velda_toolkit_dir}/FontFace.cpp
  ${_velda_toolkit_dir}/EmbeddedFonts.S)
set(VELDA_FONT_DIR /usr/share/fonts/truetype/liberation2)
set_source_files_properties(${_velda_toolkit_dir}/EmbeddedFonts.S PROPERTIES
  COMPILE_OPTIONS "-Wa,-I${VELDA_FONT_DIR}"
  OBJECT_DEPENDS "${VELDA_FONT_DIR}/LiberationSans-Regular.ttf;${VELDA_FONT_DIR}/LiberationSans-Bold.ttf")
# stb's decoders and rasteriser compile inside the toolkit; their headers carry the code.
target_link_libraries(velda_toolkit PUBLIC velda_platform_ui)
# stb headers from the system, reachable for the cross compiler without the rest of /usr/include.
set(_velda_stb_root ${CMAKE_BINARY_DIR}/toolkit-stb-include)
if(NOT EXISTS ${_velda_stb_root}/stb)
  file(MAKE_DIRECTORY ${_velda_stb_root})
  file(CREATE_LINK /usr/include/stb ${_velda_stb_root}/stb SYMBOLIC)
endif()
target_include_directories(velda_toolkit PRIVATE ${_velda_stb_root})
