velda_add_test(emberline2_peak_detector_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/PeakDetectorTest.cpp
  LIBRARIES velda_dsp velda_test_support)

velda_add_test(emberline2_churn_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/EngineChurnTest.cpp
  LIBRARIES velda_dsp velda_test_support)

velda_add_test(emberline2_oversampler_exact_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/OversamplerExactTest.cpp
  LIBRARIES velda_dsp velda_test_support)
