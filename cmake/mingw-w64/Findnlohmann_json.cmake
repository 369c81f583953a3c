# nlohmann/json for the Windows cross build. The library is headers only, but Debian installs them
# in /usr/include beside the build machine's C library headers, which must not reach a Windows
# compile; so only the nlohmann folder is offered, through a link of its own in the build folder.
set(VANTREL_NLOHMANN_JSON_DIR /usr/include/nlohmann CACHE PATH "nlohmann/json headers to use for the target")

if(NOT TARGET nlohmann_json::nlohmann_json)
  if(NOT EXISTS ${VANTREL_NLOHMANN_JSON_DIR}/json.hpp)
    message(FATAL_ERROR "No nlohmann/json headers in ${VANTREL_NLOHMANN_JSON_DIR}: install nlohmann-json3-dev")
  endif()
  set(staged ${CMAKE_BINARY_DIR}/cross-include)
  file(MAKE_DIRECTORY ${staged})
  if(NOT EXISTS ${staged}/nlohmann)
    file(CREATE_LINK ${VANTREL_NLOHMANN_JSON_DIR} ${staged}/nlohmann SYMBOLIC)
  endif()
  add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
  set_target_properties(nlohmann_json::nlohmann_json PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${staged})
endif()

set(nlohmann_json_FOUND TRUE)
