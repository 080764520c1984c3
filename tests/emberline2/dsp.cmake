velda_add_test(emberline2_dsp_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/BiquadFilterTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OversamplerTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DspBlocksTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EngineTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MetersTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StressTest.cpp
  LIBRARIES velda_dsp velda_test_support)

velda_add_test(emberline2_dsp_allocation_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/AllocationTest.cpp
  LIBRARIES velda_dsp velda_test_support)
