# "Velda Emberline": the Emberline effect class with the first generation's data.
add_library(velda_emberline1_product STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Emberline1ParameterTable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Emberline1Programs.cpp)
target_link_libraries(velda_emberline1_product PUBLIC velda_emberline_effect velda_product_editor)

velda_add_plugin(emberline_plugin OUTPUT VeldaEmberline
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/Emberline1Factory.cpp
  LIBRARIES velda_emberline1_product velda_product_editor velda_module_resources)
