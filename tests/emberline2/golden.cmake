# Hashes of every factory program rendered on a built-in signal; VELDA_UPDATE_GOLDEN=1 rewrites
# tests/golden/*.txt.
velda_add_test(emberline_golden_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/GoldenRenderTest.cpp
  LIBRARIES velda_emberline2_product velda_emberline1_product velda_registry_test_root velda_test_support)
