# The browser build from the host's build: the generated assets are written for it,
# then the machine, the page and the console are built with emscripten in a build
# folder of their own (web-build), and put together in one folder (web/) with the
# assets. Included from the top CMakeLists.txt when emscripten is installed.
set(PLONK_WEB_DIR ${CMAKE_BINARY_DIR}/web)
set(web_build ${CMAKE_BINARY_DIR}/web-build)
set(web_assets ${CMAKE_BINARY_DIR}/web-assets)
add_custom_command(
  OUTPUT ${web_assets}/Scherm.bmp
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${web_assets}
  COMMAND $<TARGET_FILE:plonk-assets> ${web_assets}
  DEPENDS plonk-assets
  COMMENT "Generating the assets for the page")
# emscripten's tools find the JavaScript parser they use among Debian's node modules.
set(em_env ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
set(em_options -DCMAKE_BUILD_TYPE=Release -DPLONK_WEB_ASSETS=${web_assets} -DPLONK_WEB_OUT=${PLONK_WEB_DIR})
if(CMAKE_CXX_COMPILER_LAUNCHER)
  list(APPEND em_options -DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER}
       -DCMAKE_C_COMPILER_LAUNCHER=${CMAKE_C_COMPILER_LAUNCHER})
endif()
cmake_host_system_information(RESULT cores QUERY NUMBER_OF_LOGICAL_CORES)
add_custom_target(plonk_web ALL
  COMMAND ${em_env} ${PLONK_EMCMAKE} ${CMAKE_COMMAND} -S ${CMAKE_SOURCE_DIR} -B ${web_build} ${em_options} > /dev/null
  COMMAND ${em_env} ${CMAKE_COMMAND} --build ${web_build} -j${cores}
  DEPENDS ${web_assets}/Scherm.bmp
  COMMENT "Building the page and the console with emscripten"
  USES_TERMINAL)
