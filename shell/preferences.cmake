add_library(velda_preferences STATIC ${CMAKE_CURRENT_LIST_DIR}/PreferenceStore.cpp)
target_link_libraries(velda_preferences PUBLIC velda_platform)
