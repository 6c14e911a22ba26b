include(GoogleTest)

# kav_gtest(name [OWN_MAIN] SOURCES a.cpp ... LIBS lib ...): a GoogleTest
# executable whose cases CTest lists one by one. OWN_MAIN: the sources bring
# their main (one that starts Qt Gui, say).
function(kav_gtest name)
  cmake_parse_arguments(T "OWN_MAIN" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  if(T_OWN_MAIN)
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest)
  else()
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  endif()
  kav_warnings(${name})
  # GoogleTest tests the core: they carry the label "core", and the target
  # core_tests builds them all (tests/CMakeLists.txt).
  set_property(GLOBAL APPEND PROPERTY KAV_CORE_TESTS ${name})
  if(CMAKE_CROSSCOMPILING)
    # Each start of a program under Wine costs a second or so: one test per
    # program, its cases listed in its output.
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
      ENVIRONMENT "KAV_SOURCE_DIR=${PROJECT_SOURCE_DIR}" LABELS core)
  else()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
      PROPERTIES ENVIRONMENT "KAV_SOURCE_DIR=${PROJECT_SOURCE_DIR}" LABELS core)
  endif()
endfunction()

# kav_qtest(name SOURCES a.cpp ... LIBS lib ...): a QtTest executable run on
# the offscreen platform, so no display is needed.
function(kav_qtest name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} Qt6::Test)
  kav_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;KAV_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()
