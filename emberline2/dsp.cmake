# Host-free signal processing of the Emberline products (also used by Cindermote).
add_library(velda_dsp STATIC
  ${CMAKE_CURRENT_LIST_DIR}/dsp/VeldaMath.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dsp/BiquadFilter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dsp/Oversampler2x.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dsp/WideVectors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dsp/CrossoverFilters.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dsp/TimingValues.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dsp/EngineState.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dsp/Kernels.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EmberlineEngine.cpp
)
target_include_directories(velda_dsp PUBLIC ${CMAKE_SOURCE_DIR})
