# libFuzzer targets. Built only in a clang tree configured with -DVELDA_FUZZ=ON and
# -DVELDA_SANITIZE=address,undefined,fuzzer-no-link (tests/fuzz/run-fuzzers.sh does both).
if(VELDA_FUZZ)
  set(_velda_fuzz_dir ${CMAKE_CURRENT_LIST_DIR})
  add_library(velda_fuzz_products STATIC ${CMAKE_SOURCE_DIR}/tests/robustness/ProductSet.cpp)
  target_link_libraries(velda_fuzz_products PUBLIC
    velda_emberline2_product velda_emberline1_product velda_cindermote_effect velda_registry_test_root)

  function(velda_add_fuzzer name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${_velda_fuzz_dir}/${name}.cpp ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzzers)
  endfunction()

  velda_add_fuzzer(FuzzChunkThenProcess LIBRARIES velda_fuzz_products)
  velda_add_fuzzer(FuzzAudioBlocks LIBRARIES velda_fuzz_products)
  velda_add_fuzzer(FuzzValueTexts SOURCES ${CMAKE_SOURCE_DIR}/controls/ValueConversions.cpp
    LIBRARIES velda_value_format)
  velda_add_fuzzer(FuzzTypedEntry SOURCES ${CMAKE_SOURCE_DIR}/emberline2/KnobEntry.cpp
    LIBRARIES velda_value_format)
  velda_add_fuzzer(FuzzPresetRecords SOURCES ${CMAKE_SOURCE_DIR}/presets/PresetFileRecord.cpp)
  velda_add_fuzzer(FuzzRegistryValueFile LIBRARIES velda_registry)
  velda_add_fuzzer(FuzzRegistryStore LIBRARIES velda_preset_files velda_preferences velda_registry_test_root)

  add_executable(MakeChunkSeeds ${_velda_fuzz_dir}/MakeChunkSeeds.cpp)
  target_link_libraries(MakeChunkSeeds PRIVATE velda_fuzz_products)
  set_target_properties(MakeChunkSeeds PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzzers)
endif()
