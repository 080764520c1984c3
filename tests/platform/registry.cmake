velda_add_test(registry_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/RegistryValueFileTest.cpp ${CMAKE_CURRENT_LIST_DIR}/RegistryKeyTest.cpp
  LIBRARIES velda_registry velda_registry_test_root velda_test_support)
