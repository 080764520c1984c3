velda_add_test(shell_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/AudioEffectTest.cpp
  LIBRARIES velda_shell velda_test_support)
