# Windows build: quillory.exe, the Win32 component tests and the Windows-side benchmarks.
set(QUILLORY_WIN32_LIBS gdiplus windowscodecs comctl32 msimg32 shlwapi shell32 comdlg32 ole32 oleaut32 uuid dwmapi uxtheme powrprof gdi32 user32 kernel32)

add_library(quillory_shell STATIC ${QUILLORY_SHELL_SOURCES})
target_link_libraries(quillory_shell PUBLIC quillory_core ${QUILLORY_WIN32_LIBS} PRIVATE quillory_warnings)
target_compile_definitions(quillory_shell PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00)
target_include_directories(quillory_shell PUBLIC ${PROJECT_SOURCE_DIR}/res)

add_executable(quillory WIN32 ${PROJECT_SOURCE_DIR}/src/app/main_win.cpp ${PROJECT_SOURCE_DIR}/res/quillory.rc)
target_link_libraries(quillory PRIVATE quillory_shell quillory_warnings)
target_link_options(quillory PRIVATE -municode -static)
file(GLOB QUILLORY_RESOURCE_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/res/*.rc ${PROJECT_SOURCE_DIR}/res/*.h
    ${PROJECT_SOURCE_DIR}/res/*.manifest ${PROJECT_SOURCE_DIR}/res/art/*)
set_source_files_properties(${PROJECT_SOURCE_DIR}/res/quillory.rc PROPERTIES OBJECT_DEPENDS "${QUILLORY_RESOURCE_FILES}")

file(GLOB QUILLORY_WIN_TESTS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/*/*_win_test.cpp)
file(GLOB QUILLORY_WIN_TEST_SUPPORT CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/support/*_win.cpp)
add_executable(quillory_win_tests ${QUILLORY_WIN_TESTS} ${QUILLORY_WIN_TEST_SUPPORT} ${PROJECT_SOURCE_DIR}/res/quillory.rc)
target_include_directories(quillory_win_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(quillory_win_tests PRIVATE quillory_shell quillory_warnings GTest::gtest_main)
target_link_options(quillory_win_tests PRIVATE -static)
add_test(NAME win32 COMMAND quillory_win_tests --gtest_brief=1)

add_subdirectory(tests/e2e)
add_subdirectory(bench/win)
