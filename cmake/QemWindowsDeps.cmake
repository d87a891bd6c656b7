# What the cross build for Windows takes from the build machine: Debian's
# mingw-w64 has no packages of its own for GoogleTest, CLI11 or nlohmann
# json, so GoogleTest is built from Debian's sources with the cross compiler
# and the two header-only libraries are used from the host's headers, through
# a folder that holds only them (the host's /usr/include itself would hide
# the Windows C library's headers).

if(QEM_BUILD_TESTS)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  # Its CMake project names the targets GTest::gtest and GTest::gtest_main.
  add_subdirectory(/usr/src/googletest ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()

set(QEM_HOST_HEADERS ${PROJECT_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${QEM_HOST_HEADERS})
foreach(folder CLI nlohmann)
  if(NOT EXISTS /usr/include/${folder})
    message(FATAL_ERROR "/usr/include/${folder} is missing (scripts/setup installs it)")
  endif()
  file(CREATE_LINK /usr/include/${folder} ${QEM_HOST_HEADERS}/${folder} SYMBOLIC)
endforeach()
add_library(CLI11::CLI11 INTERFACE IMPORTED)
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
set_target_properties(CLI11::CLI11 nlohmann_json::nlohmann_json PROPERTIES
  INTERFACE_INCLUDE_DIRECTORIES ${QEM_HOST_HEADERS}
  INTERFACE_SYSTEM_INCLUDE_DIRECTORIES ${QEM_HOST_HEADERS})
