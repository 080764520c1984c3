# The editors' own controls on top of the toolkit, and the texts of their value displays.
set(_velda_controls_dir ${CMAKE_CURRENT_LIST_DIR})
add_library(velda_controls STATIC
  ${_velda_controls_dir}/ValueConversions.cpp
  ${_velda_controls_dir}/CLabel2.cpp
  ${_velda_controls_dir}/CMyTextEdit.cpp
  ${_velda_controls_dir}/KnobMouseFeel.cpp
  ${_velda_controls_dir}/CAnimKnob2.cpp
  ${_velda_controls_dir}/CAnimKnob3.cpp
  ${_velda_controls_dir}/CMyOnOffButton.cpp
  ${_velda_controls_dir}/CMyVerticalSwitch.cpp
  ${_velda_controls_dir}/CMyLRUDButton.cpp
  ${_velda_controls_dir}/CClickRect.cpp
  ${_velda_controls_dir}/CViewContainerSwitch.cpp
  ${_velda_controls_dir}/CMovieMeter.cpp
  ${_velda_controls_dir}/CMovieLED.cpp
  ${_velda_controls_dir}/CCounter.cpp
  ${_velda_controls_dir}/COldVuMeter.cpp)
target_include_directories(velda_controls PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(velda_controls PUBLIC velda_toolkit velda_value_format)
