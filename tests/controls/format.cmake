velda_add_test(value_format_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ValueFormatTest.cpp
  LIBRARIES velda_value_format velda_test_support)
