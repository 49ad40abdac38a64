# gcov instrumentation of everything but the tests' own code, which
# tests/CMakeLists.txt's tolvik_unmeasured leaves out (the preset builds it
# unoptimised, so that lines and branches map to the source). Every build
# zeroes the counters, so the coverage tests (cmake/coverage_report.cmake)
# count the suite's run after it.
add_compile_options(--coverage)
# gcov reads notes of its own, not the debugging information: line tables,
# for a crash's backtrace, are all this build needs.
add_compile_options(-g1)
add_link_options(--coverage)
add_custom_target(coverage_reset ALL COMMAND find ${CMAKE_BINARY_DIR} -name "*.gcda" -delete
  COMMENT "Zeroing the coverage counters")
