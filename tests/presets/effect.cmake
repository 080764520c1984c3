velda_add_test(preset_effect_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/CPresetSystemEffectTest.cpp
  LIBRARIES velda_preset_effect velda_test_support)
