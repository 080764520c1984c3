velda_add_test(cindermote_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/CindermoteParametersTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CindermoteProcessingTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CindermoteChunkTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CindermoteGoldenTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CindermoteReferenceTest.cpp
    ${CMAKE_SOURCE_DIR}/cindermote/CindermoteFactory.cpp
  LIBRARIES velda_cindermote_effect velda_registry_test_root velda_test_support)
set_property(TEST cindermote_tests APPEND PROPERTY ENVIRONMENT
  "XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/tests/cindermote-config")

velda_add_test(cindermote_allocation_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/CindermoteAllocationTest.cpp
  LIBRARIES velda_cindermote_effect velda_registry_test_root velda_test_support)
set_property(TEST cindermote_allocation_tests APPEND PROPERTY ENVIRONMENT
  "XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/tests/cindermote-config")
