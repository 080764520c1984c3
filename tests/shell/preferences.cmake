velda_add_test(preference_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/PreferenceStoreTest.cpp
  LIBRARIES velda_preferences velda_registry_test_root velda_test_support)
