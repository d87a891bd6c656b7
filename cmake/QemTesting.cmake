include(GoogleTest)

# qem_add_gtest(<name> SOURCES ... [LIBS ...] [LABELS ...] [QT] [TIMEOUT s])
#
# Builds one GoogleTest executable and registers every test case in it with
# CTest (discovered when ctest runs, so sanitizer builds do not run the
# binaries at build time). QT links a main() that creates a QApplication on
# the offscreen platform; without it GoogleTest's own main() is used.
# Every suite gets the label of its folder under tests/ plus LABELS; the
# label "slow" marks cases that wait for the protocol's long time-outs.
function(qem_add_gtest name)
  cmake_parse_arguments(T "QT" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  if(T_QT AND NOT QEM_WITH_QT)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  if(T_QT)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(${name} PRIVATE ${T_LIBS} qem_test_qt_main Qt6::Widgets Qt6::Test GTest::gtest)
  else()
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gtest Threads::Threads)
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    NO_PRETTY_VALUES
    DISCOVERY_TIMEOUT 60
    TEST_LIST ${name}_TESTS)
  # gtest_discover_tests splits list-valued PROPERTIES at every ';' (so a
  # second label or environment variable became a property name of its own):
  # the properties are set instead by a script that ctest includes after the
  # discovered tests.
  set(labels "${folder};${T_LABELS}")
  set(environment "QT_QPA_PLATFORM=offscreen;QEM_SOURCE_DIR=${PROJECT_SOURCE_DIR};QEM_BINARY_DIR=${PROJECT_BINARY_DIR}")
  set(properties_file "${CMAKE_CURRENT_BINARY_DIR}/${name}_properties.cmake")
  file(WRITE "${properties_file}"
    "if(DEFINED ${name}_TESTS)\n"
    "  set_tests_properties(\${${name}_TESTS} PROPERTIES LABELS [==[${labels}]==] TIMEOUT ${T_TIMEOUT}\n"
    "    ENVIRONMENT [==[${environment}]==])\n"
    "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${properties_file}")
endfunction()
