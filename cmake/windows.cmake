# Cross build: Nimbrel.exe, stowa.exe, the Win32 tests (run by ctest through
# Wine), the window probe of the end-to-end tests and the Wine benchmarks.
set(static_flags -static -static-libgcc -static-libstdc++)

# The table of outside calls, shared by both programs and the tests.
add_library(nimbrel_seams STATIC ${CMAKE_SOURCE_DIR}/src/app/seams_win.cpp)
target_link_libraries(nimbrel_seams PUBLIC nimbrel_flags shell32 user32)
target_include_directories(nimbrel_seams PUBLIC ${CMAKE_SOURCE_DIR}/src)

# The safe write (temporary file, flush, one-step replace), shared by both
# programs and the tests.
add_library(nimbrel_safe_write STATIC ${CMAKE_SOURCE_DIR}/src/app/safe_write_win.cpp)
target_link_libraries(nimbrel_safe_write PUBLIC nimbrel_flags kernel32)
target_include_directories(nimbrel_safe_write PUBLIC ${CMAKE_SOURCE_DIR}/src)

add_library(nimbrel_win STATIC ${NIMBREL_WIN_SOURCES})
target_link_libraries(nimbrel_win PUBLIC nimbrel_core nimbrel_seams nimbrel_safe_write
  comctl32 shell32 shlwapi imm32 gdi32 user32 kernel32 ole32)
target_compile_definitions(nimbrel_win PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)

add_executable(Nimbrel WIN32 ${CMAKE_SOURCE_DIR}/src/app/main_win.cpp
  ${CMAKE_SOURCE_DIR}/resources/nimbrel.rc ${CMAKE_BINARY_DIR}/Nimbrel_version.rc)
target_link_libraries(Nimbrel PRIVATE nimbrel_win)
target_link_options(Nimbrel PRIVATE ${static_flags} -mwindows)

# F1 opens help\help.html below the executable's folder, so the page goes
# beside Nimbrel.exe, with the version put in. CMake writes it again
# whenever the page changes (the bytes are copied as they are: Shift-JIS).
set(NIMBREL_VERSION ${PROJECT_VERSION})
configure_file(${CMAKE_SOURCE_DIR}/help/help.html ${CMAKE_BINARY_DIR}/help/help.html @ONLY)

# The version resource and the application manifest of both programs.
foreach(program Nimbrel stowa)
  set(NIMBREL_PROGRAM ${program})
  if(program STREQUAL "Nimbrel")
    set(NIMBREL_DESCRIPTION_JA "キーボードで使うランチャー兼ファイルマネージャー")
    set(NIMBREL_DESCRIPTION_EN "Keyboard launcher and file manager")
  else()
    set(NIMBREL_DESCRIPTION_JA "Nimbrel のバックアップと復元")
    set(NIMBREL_DESCRIPTION_EN "Backup and restore for Nimbrel")
  endif()
  configure_file(${CMAKE_SOURCE_DIR}/resources/version.rc.in ${CMAKE_BINARY_DIR}/${program}_version.rc @ONLY)
endforeach()

if(EXISTS ${CMAKE_SOURCE_DIR}/src/backup/stowa_main_win.cpp)
  add_library(stowa_win STATIC ${STOWA_WIN_SOURCES})
  target_link_libraries(stowa_win PUBLIC nimbrel_core nimbrel_seams nimbrel_safe_write shell32 user32 kernel32)
  target_compile_definitions(stowa_win PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
  add_executable(stowa ${CMAKE_SOURCE_DIR}/src/backup/stowa_main_win.cpp ${CMAKE_BINARY_DIR}/stowa_version.rc)
  target_link_libraries(stowa PRIVATE stowa_win)
  target_link_options(stowa PRIVATE ${static_flags} -mwindows)
endif()

add_subdirectory(${GTEST_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB WIN32_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/*.cpp)
# The program's resources too, so that the tests show the real keyword dialog.
add_executable(win32_tests ${WIN32_TESTS} ${CMAKE_SOURCE_DIR}/resources/nimbrel.rc)
target_link_libraries(win32_tests PRIVATE nimbrel_win GTest::gtest)
if(TARGET stowa_win)
  target_link_libraries(win32_tests PRIVATE stowa_win)
endif()
target_link_options(win32_tests PRIVATE ${static_flags})
include(GoogleTest)
# Discovery would start Wine once more at build time; one ctest entry per
# executable keeps the run short and still reports every failing case.
add_test(NAME win32_tests COMMAND win32_tests --gtest_brief=1)
# A hung test is ended by the watchdog of the test program within minutes;
# the time limit here is the backstop should the program hang outside a test.
set_tests_properties(win32_tests PROPERTIES TIMEOUT 900)

# Small Windows programs used by the end-to-end tests: the window probe and
# any helper program that a test needs (tests/e2e/*_win.cpp).
file(GLOB E2E_TOOLS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*_win.cpp)
foreach(f ${E2E_TOOLS})
  get_filename_component(name ${f} NAME_WE)
  string(REGEX REPLACE "_win$" "" name ${name})
  add_executable(${name} ${f})
  target_link_libraries(${name} PRIVATE nimbrel_core user32 kernel32 shell32 comctl32 version)
  target_link_options(${name} PRIVATE ${static_flags})
endforeach()

file(GLOB WIN_BENCH CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*_bench_win.cpp)
foreach(f ${WIN_BENCH})
  get_filename_component(name ${f} NAME_WE)
  string(REGEX REPLACE "_win$" "" name ${name})
  add_executable(${name} ${f})
  target_link_libraries(${name} PRIVATE nimbrel_win)
  target_link_options(${name} PRIVATE ${static_flags})
endforeach()
