# Native Linux build: the platform-free logic with its tests under sanitizers,
# benchmarks and (with clang) fuzz targets.
enable_testing()
find_package(GTest REQUIRED)
find_package(Threads REQUIRED)
# tools/ holds helpers our generators, tests and benchmarks share (the JPEG writer).
add_library(hopvox_tools INTERFACE)
target_include_directories(hopvox_tools INTERFACE ${CMAKE_SOURCE_DIR}/tools)
# libjpeg62-turbo-dev: the same API the Windows build compiles from source.
find_package(JPEG REQUIRED)

# The platform-free logic as a library `name`, compiled with the options
# given: the tests', the benchmarks' and the fuzzers' builds of it.
function(hopvox_logic_library name)
  add_library(${name} STATIC ${HOPVOX_LOGIC_SOURCES})
  target_compile_options(${name} PRIVATE ${ARGN})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC JPEG::JPEG hopvox_warnings)
endfunction()

set(SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)

hopvox_logic_library(hopvox_logic ${SANITIZE})
target_link_options(hopvox_logic PUBLIC ${SANITIZE})
set(HOPVOX_SOURCE_DIR_DEFINE HOPVOX_SOURCE_DIR="${CMAKE_SOURCE_DIR}")

hopvox_groups(${CMAKE_SOURCE_DIR}/tests/native NATIVE_GROUPS)
foreach(g ${NATIVE_GROUPS})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/${g}/*.cpp)
  add_executable(native_${g} ${srcs})
  target_compile_options(native_${g} PRIVATE ${SANITIZE})
  target_compile_definitions(native_${g} PRIVATE ${HOPVOX_SOURCE_DIR_DEFINE})
  target_link_libraries(native_${g} PRIVATE hopvox_logic hopvox_tools GTest::gtest GTest::gtest_main Threads::Threads)
  add_test(NAME native_${g} COMMAND native_${g})
endforeach()

# Benchmarks: bench/native/*.cpp, each its own program (not part of the test run).
find_package(benchmark QUIET)
file(GLOB BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/native/*.cpp)
if(benchmark_FOUND AND BENCH_SOURCES)
  # The logic once more, optimised and without sanitizers, shared by every benchmark.
  hopvox_logic_library(hopvox_logic_plain -O2)
  foreach(b ${BENCH_SOURCES})
    get_filename_component(n ${b} NAME_WE)
    add_executable(bench_${n} ${b})
    target_compile_options(bench_${n} PRIVATE -O2)
    target_compile_definitions(bench_${n} PRIVATE ${HOPVOX_SOURCE_DIR_DEFINE})
    target_link_libraries(bench_${n} PRIVATE hopvox_logic_plain hopvox_tools benchmark::benchmark)
  endforeach()
endif()

# Fuzz targets: fuzz/*.cpp, libFuzzer, clang only (configure with -DHOPVOX_FUZZ=ON).
option(HOPVOX_FUZZ "Build libFuzzer targets (needs clang)" OFF)
if(HOPVOX_FUZZ)
  file(GLOB FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/*.cpp)
  hopvox_logic_library(hopvox_logic_fuzz -fsanitize=fuzzer-no-link,address,undefined
                       -fno-sanitize-recover=undefined)
  # The fuzz tree builds only these (scripts/lib.sh: build_fuzz).
  add_custom_target(fuzzers)
  foreach(f ${FUZZ_SOURCES})
    get_filename_component(n ${f} NAME_WE)
    add_executable(fuzz_${n} ${f})
    target_compile_options(fuzz_${n} PRIVATE -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)
    target_link_options(fuzz_${n} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(fuzz_${n} PRIVATE hopvox_logic_fuzz)
    add_dependencies(fuzzers fuzz_${n})
  endforeach()
endif()

# The window's pictures and icon come from our own generator; the test checks
# that it still produces the committed files byte for byte.
add_executable(pictures_gen ${CMAKE_SOURCE_DIR}/tools/pictures/pictures.cpp)
target_link_libraries(pictures_gen PRIVATE JPEG::JPEG hopvox_tools hopvox_warnings)
add_test(NAME pictures_reproduce COMMAND pictures_gen --check ${CMAKE_SOURCE_DIR}/resources/pictures)
# The channel announcements likewise (espeak-ng and sox).
add_test(NAME announcements_reproduce COMMAND bash ${CMAKE_SOURCE_DIR}/tools/announcements/generate --check)
