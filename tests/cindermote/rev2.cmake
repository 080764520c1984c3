velda_add_test(cindermote_curve_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/CindermoteCurveTest.cpp
  LIBRARIES velda_cindermote_effect velda_registry_test_root velda_test_support)
set_property(TEST cindermote_curve_tests APPEND PROPERTY ENVIRONMENT
  "XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/tests/cindermote-config")
