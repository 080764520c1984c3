# The track processor: host-free processing, the effect in a static library for the tests,
# and the plug-in.
add_library(velda_cindermote_dsp STATIC
  ${CMAKE_CURRENT_LIST_DIR}/dsp/CindermoteEngine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dsp/MeterFeed.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dsp/Timing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dsp/ToneFilter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dsp/TransferCurve.cpp)
target_link_libraries(velda_cindermote_dsp PUBLIC velda_dsp)

add_library(velda_cindermote_effect STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Cindermote.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CindermoteParameters.cpp)
target_link_libraries(velda_cindermote_effect PUBLIC
  velda_cindermote_dsp velda_preset_effect velda_preferences velda_value_format velda_shell velda_cindermote_editor)

velda_add_plugin(cindermote_plugin OUTPUT VeldaCindermote
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/CindermoteFactory.cpp
  LIBRARIES velda_cindermote_effect velda_cindermote_editor velda_module_resources)
