# velda_platform gathers every platform service; each part links its library into it.
add_library(velda_platform STATIC ${CMAKE_CURRENT_LIST_DIR}/PlatformInfo.cpp)
if(WIN32)
  target_link_libraries(velda_platform PUBLIC advapi32)
endif()
