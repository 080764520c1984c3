add_library(velda_value_format STATIC ${CMAKE_CURRENT_LIST_DIR}/ValueFormat.cpp)
target_include_directories(velda_value_format PUBLIC ${CMAKE_SOURCE_DIR})
