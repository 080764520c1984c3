velda_add_test(preset_file_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/PresetFileRecordTest.cpp ${CMAKE_CURRENT_LIST_DIR}/PresetFileIoTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/PresetDefaultsTest.cpp
  LIBRARIES velda_preset_files velda_registry_test_root velda_test_support)
