velda_add_test(controls_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ControlsFixture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ValueConversionsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DisplaysTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KnobsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ButtonsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MetersTest.cpp
  LIBRARIES velda_controls velda_toolkit velda_resources_none velda_test_support)
# stb's PNG writer for the screenshots; a system folder keeps its warnings out.
target_include_directories(controls_tests SYSTEM PRIVATE /usr/include/stb)
