# Windows benchmarks: bench/windows/*.cpp, each its own program, built with
# the program but never run by the tests.
file(GLOB HOPVOX_WIN_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/windows/*.cpp)
foreach(b ${HOPVOX_WIN_BENCH_SOURCES})
  get_filename_component(n ${b} NAME_WE)
  add_executable(bench_${n} ${b})
  target_link_libraries(bench_${n} PRIVATE hopvox_lib)
  if(TARGET e2e_driver)
    target_link_libraries(bench_${n} PRIVATE e2e_driver)
  endif()
endforeach()
