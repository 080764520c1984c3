# The three products together: threaded automation, values far outside 0..1.
velda_add_test(robustness_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ProductSet.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ThreadedAutomationTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OutOfRangeValuesTest.cpp
  LIBRARIES velda_emberline2_product velda_emberline1_product velda_cindermote_effect velda_registry_test_root
    velda_test_support)
