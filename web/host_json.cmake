# nlohmann/json for the browser build: the header-only library of the host system,
# seen through a folder of its own so that no other host header comes along.
find_path(PLONK_JSON_INCLUDE nlohmann/json.hpp PATHS /usr/include /usr/local/include NO_CMAKE_FIND_ROOT_PATH
          REQUIRED)
set(json_folder ${CMAKE_BINARY_DIR}/host_json)
file(MAKE_DIRECTORY ${json_folder})
file(CREATE_LINK ${PLONK_JSON_INCLUDE}/nlohmann ${json_folder}/nlohmann SYMBOLIC)
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
target_include_directories(nlohmann_json::nlohmann_json INTERFACE ${json_folder})
