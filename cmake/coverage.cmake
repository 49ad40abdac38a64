# The coverage floors count the code under test (gcovr.cfg): the tests' and
# benchmarks' own code is built without counters, by tolvik_unmeasured.
function(tolvik_unmeasured)
  if(TOLVIK_COVERAGE)
    foreach(target ${ARGN})
      target_compile_options(${target} PRIVATE -fno-profile-arcs -fno-test-coverage)
    endforeach()
  endif()
endfunction()
if(NOT TOLVIK_COVERAGE)
  return()
endif()

# gcov counters in everything but what tolvik_unmeasured leaves out (the
# preset builds it unoptimised, so that lines and branches map to the
# source). These are --coverage's compile flags spelled out: gcc's driver
# would add them after every other flag, where tolvik_unmeasured's could not
# take them back. Every build zeroes the counters, so the coverage tests
# (cmake/coverage_report.cmake) count the suite's run after it.
add_compile_options(-fprofile-arcs -ftest-coverage)
# gcov reads notes of its own, not the debugging information: line tables,
# for a crash's backtrace, are all this build needs.
add_compile_options(-g1)
# gcov's own functions stay out of the shared library's exports, which the
# exports check compares with the plugin's list.
add_link_options(--coverage -Wl,--exclude-libs,libgcov.a)
add_custom_target(coverage_reset ALL COMMAND find ${CMAKE_BINARY_DIR} -name "*.gcda" -delete
  COMMENT "Zeroing the coverage counters")
