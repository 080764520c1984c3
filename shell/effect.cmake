add_library(velda_shell STATIC
  ${CMAKE_CURRENT_LIST_DIR}/AudioEffect.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AudioEffectX.cpp)
target_link_libraries(velda_shell PUBLIC velda_platform)
