# valgrind memcheck over the programs that load the built plugin through the
# emulator, a short walk (a quarter of its usual length, 27,000 events) and
# the allocation sweep, each a whole program under valgrind: the tests
# memcheck.<program>, labelled valgrind, of the Linux builds without
# sanitizers. An error or a definite or indirect leak fails the program
# (valgrind's exit status 99); valgrind's report is the test's output. Where
# an uninitialised value came from is not tracked, which would double the
# run's time and finds nothing more: after a failure, add --track-origins=yes
# to the command ctest -V shows.
find_program(TOLVIK_VALGRIND valgrind REQUIRED)
# The programs run, by name: one renamed or gone stops the configuration.
set(memcheck_programs test_e2e test_e2e_plugin test_e2e_languages test_walk test_alloc)
foreach(program ${memcheck_programs})
  if(NOT TARGET ${program})
    message(FATAL_ERROR "cmake/memcheck.cmake runs ${program}, which the build no longer has")
  endif()
  add_test(NAME memcheck.${program} COMMAND ${TOLVIK_VALGRIND} --error-exitcode=99 --leak-check=full
    --errors-for-leak-kinds=definite,indirect --show-leak-kinds=definite,indirect
    --num-callers=30 $<TARGET_FILE:${program}> --gtest_brief=1)
  set_tests_properties(memcheck.${program} PROPERTIES LABELS "valgrind;check" TIMEOUT 1800
    ENVIRONMENT "TOLVIK_WALK_SEEDS=6;TOLVIK_WALK_EVENTS=4500" COST 500)
endforeach()
