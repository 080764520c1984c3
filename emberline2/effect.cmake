# The effect class shared by both Emberline products, and the data of "Velda Emberline2".
add_library(velda_emberline_effect STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Emberline.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EmberlineParameters.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EmberlineTexts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EmberlineTransfer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PreferenceRows.cpp)
target_link_libraries(velda_emberline_effect PUBLIC
  velda_preset_effect velda_dsp velda_value_format velda_preferences)

add_library(velda_emberline2_product STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Emberline2ParameterTable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Emberline2Programs.cpp)
target_link_libraries(velda_emberline2_product PUBLIC velda_emberline_effect velda_product_editor)

velda_add_plugin(emberline2_plugin OUTPUT VeldaEmberline2
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/Emberline2Factory.cpp
  LIBRARIES velda_emberline2_product velda_product_editor velda_module_resources)
