# Native build: the portable core and its tests under AddressSanitizer and
# UndefinedBehaviorSanitizer; fuzzers and benchmarks of the core.
option(NIMBREL_SANITIZE "Build with ASan and UBSan" ON)
if(NIMBREL_SANITIZE)
  set(san -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_compile_options(nimbrel_core PUBLIC ${san})
  target_link_options(nimbrel_core PUBLIC ${san})
endif()

add_subdirectory(${GTEST_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB NATIVE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*_test.cpp)
add_executable(native_tests ${NATIVE_TESTS})
target_link_libraries(native_tests PRIVATE nimbrel_core GTest::gtest_main)
target_compile_definitions(native_tests PRIVATE NIMBREL_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
include(GoogleTest)
gtest_discover_tests(native_tests DISCOVERY_TIMEOUT 60)

# libFuzzer targets need clang; they are built only when the compiler is clang.
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  # Coverage instrumentation of the core itself, so that libFuzzer is guided
  # by the branches of the code under test and not only of the target file.
  target_compile_options(nimbrel_core PRIVATE -fsanitize=fuzzer-no-link)
  file(GLOB FUZZERS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/*_fuzz.cpp)
  foreach(f ${FUZZERS})
    get_filename_component(name ${f} NAME_WE)
    add_executable(${name} ${f})
    target_link_libraries(${name} PRIVATE nimbrel_core)
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  endforeach()
endif()

file(GLOB NATIVE_BENCH CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*_bench.cpp)
foreach(f ${NATIVE_BENCH})
  get_filename_component(name ${f} NAME_WE)
  add_executable(${name} ${f})
  target_link_libraries(${name} PRIVATE nimbrel_core)
endforeach()
