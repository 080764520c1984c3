velda_add_test(emberline2_params_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/Emberline2ParametersTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/Emberline2EffectTest.cpp
          ${CMAKE_SOURCE_DIR}/emberline2/Emberline2Factory.cpp
  LIBRARIES velda_emberline2_product velda_registry_test_root velda_test_support)
