# qem_windows_program(<target> <description>): what a Windows program carries
# besides its code: the version block (the four-part project version, which
# the window's title shows), the program icon and the application manifest
# (packaging/windows/program.manifest).
enable_language(RC)

set(QEM_PUBLISHER "QEM developers")
set(QEM_WINDOWS_ICON ${PROJECT_BINARY_DIR}/packaging/windows/qem.ico)

# The icon, drawn from the SVG at the sizes Explorer, the task bar and the
# Start menu ask for; made again when the SVG changes.
set(svg ${PROJECT_SOURCE_DIR}/packaging/icons/io.github.qem.QEM.svg)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${svg})
if(NOT EXISTS ${QEM_WINDOWS_ICON} OR ${svg} IS_NEWER_THAN ${QEM_WINDOWS_ICON})
  find_program(RSVG_CONVERT rsvg-convert REQUIRED)
  find_program(ICOTOOL icotool REQUIRED)
  file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/packaging/windows)
  set(pngs)
  foreach(size 16 24 32 48 256)
    set(png ${PROJECT_BINARY_DIR}/packaging/windows/icon-${size}.png)
    execute_process(COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${svg} COMMAND_ERROR_IS_FATAL ANY)
    list(APPEND pngs ${png})
  endforeach()
  # The largest size stays PNG-compressed inside the icon, as Windows expects.
  list(POP_BACK pngs large)
  execute_process(COMMAND ${ICOTOOL} -c -o ${QEM_WINDOWS_ICON} ${pngs} -r ${large} COMMAND_ERROR_IS_FATAL ANY)
endif()

function(qem_windows_program target description)
  set(QEM_NAME ${target})
  set(QEM_DESCRIPTION ${description})
  set(QEM_COPYRIGHT "Copyright (c) 2026 ${QEM_PUBLISHER}")
  string(REPLACE "." "," QEM_VERSION_COMMAS ${PROJECT_VERSION})
  set(QEM_ICON ${QEM_WINDOWS_ICON})
  set(QEM_MANIFEST ${PROJECT_SOURCE_DIR}/packaging/windows/program.manifest)
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/program.rc.in ${rc} @ONLY)
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${QEM_ICON};${QEM_MANIFEST}")
  target_sources(${target} PRIVATE ${rc})
endfunction()
