# rmnra_add_test(NAME name SOURCES ... LIBS ...): a GoogleTest executable run by ctest.
# Tests run headless; they find the source and build folders through compile definitions
# (a list in a test's ENVIRONMENT property does not survive test discovery).
function(rmnra_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${T_NAME} PRIVATE
    RMNRA_SOURCE_DIR="${CMAKE_SOURCE_DIR}" RMNRA_BINARY_DIR="${CMAKE_BINARY_DIR}")
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${T_NAME}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
