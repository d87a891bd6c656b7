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

# libcsv for qem-cli's import: Debian builds it for Linux only, so its one C
# file is built here from Debian's source package, which the Windows scripts
# unpack (scripts/debian-source) and name in QEM_LIBCSV_SOURCE.
set(QEM_LIBCSV_SOURCE "" CACHE PATH "Debian's libcsv source, unpacked")
if(NOT EXISTS ${QEM_LIBCSV_SOURCE}/libcsv.c)
  message(FATAL_ERROR "QEM_LIBCSV_SOURCE does not hold libcsv's source (scripts/test-windows fetches it)")
endif()
enable_language(C)
add_library(qem_libcsv STATIC ${QEM_LIBCSV_SOURCE}/libcsv.c)
# Not our code: its warnings are not ours to fix.
target_compile_options(qem_libcsv PRIVATE -w)
set(CSV_LIBRARY qem_libcsv)
set(CSV_INCLUDE_DIR ${QEM_LIBCSV_SOURCE})
