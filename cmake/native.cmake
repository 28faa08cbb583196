# Native build: unit tests of the core, tools and benchmarks.
file(GLOB QUILLORY_UNIT_TESTS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/*/*_test.cpp)
list(FILTER QUILLORY_UNIT_TESTS EXCLUDE REGEX "_win_test\\.cpp$")
file(GLOB QUILLORY_TEST_SUPPORT CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/support/*.cpp)
list(FILTER QUILLORY_TEST_SUPPORT EXCLUDE REGEX "_win\\.cpp$")

add_executable(quillory_unit_tests ${QUILLORY_UNIT_TESTS} ${QUILLORY_TEST_SUPPORT})
target_include_directories(quillory_unit_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(quillory_unit_tests PRIVATE quillory_core quillory_stdplatform quillory_warnings GTest::gtest_main)
target_compile_definitions(quillory_unit_tests PRIVATE QUILLORY_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
add_test(NAME unit COMMAND quillory_unit_tests --gtest_brief=1)

add_subdirectory(tools)
add_subdirectory(bench)
