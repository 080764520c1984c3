velda_add_test(emberline2_reference_model_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ReferenceModelTest.cpp
  LIBRARIES velda_dsp velda_test_support)
