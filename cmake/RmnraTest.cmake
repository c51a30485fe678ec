# rmnra_add_test(NAME name SOURCES ... LIBS ...): a GoogleTest executable run by ctest.
# Tests run headless and each gets a private temporary folder through TEST_TMPDIR.
function(rmnra_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${T_NAME}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;RMNRA_SOURCE_DIR=${CMAKE_SOURCE_DIR};RMNRA_BINARY_DIR=${CMAKE_BINARY_DIR}")
endfunction()
