# The coverage of src/, emulator/, tools/ and winshim/ by one run of the
# coverage build's suite, its counters zeroed when the build runs (the target
# coverage_reset, cmake/coverage.cmake). The tests coverage.<folder> print the
# folder's lines per file and its totals and fail below the floors of
# cmake/coverage/<folder>.cfg. The preset linux32-coverage leaves out the
# label coverage, and linux32-coverage-report runs only it, after the suite.
find_program(TOLVIK_GCOVR gcovr REQUIRED)
add_test(NAME coverage.trace COMMAND ${CMAKE_CURRENT_LIST_DIR}/coverage_trace.sh ${CMAKE_BINARY_DIR})
set_tests_properties(coverage.trace PROPERTIES LABELS "coverage;check" FIXTURES_SETUP coverage_trace)
foreach(folder src emulator tools winshim)
  add_test(NAME coverage.${folder} COMMAND ${TOLVIK_GCOVR} --config ${CMAKE_CURRENT_LIST_DIR}/coverage/${folder}.cfg
    --add-tracefile ${CMAKE_BINARY_DIR}/coverage.json)
  set_tests_properties(coverage.${folder} PROPERTIES LABELS "coverage;check" FIXTURES_REQUIRED coverage_trace)
endforeach()
