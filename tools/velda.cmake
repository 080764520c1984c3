# The velda host tool: loads any VST 2.4 library through its entry point; never links plug-in code.
# Further commands join with target_sources(velda PRIVATE ...) from their own .cmake files.
add_executable(velda
  ${CMAKE_CURRENT_LIST_DIR}/main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DynamicLibrary.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PluginHost.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CommandSupport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgramSelector.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PluginSetup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AudioFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OfflineRenderer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/InfoCommand.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RenderCommand.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChunkCommand.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Canvas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DemoSignal.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DemoPlot.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DemoCommand.cpp
  ${CMAKE_SOURCE_DIR}/platform/ThreadClock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BenchCommand.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Validator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ValidationAudio.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ValidateIdentity.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ValidateCallOrders.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ValidateAudio.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ValidateParameters.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ValidateState.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ValidateInstances.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ValidateCommand.cpp)
# stb (header only, also for the cross build); a system folder keeps its warnings out.
target_include_directories(velda SYSTEM PRIVATE /usr/include/stb)
set_target_properties(velda PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${VELDA_OUTPUT_TOOLS})
if(WIN32)
  # No libsndfile for the cross build: WAV only.
  target_sources(velda PRIVATE ${CMAKE_CURRENT_LIST_DIR}/AudioFileWav.cpp)
else()
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(VELDA_SNDFILE REQUIRED IMPORTED_TARGET sndfile)
  target_sources(velda PRIVATE ${CMAKE_CURRENT_LIST_DIR}/AudioFileSndfile.cpp)
  target_link_libraries(velda PRIVATE PkgConfig::VELDA_SNDFILE ${CMAKE_DL_LIBS})
endif()
