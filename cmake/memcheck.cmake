# valgrind memcheck through CTest: `ctest --preset linux32-valgrind -T memcheck`
# (scripts/test-valgrind.sh). The programs that load the built plugin through
# the emulator, the walk and the allocation sweep are registered once more as
# whole programs with the label "memcheck"; the other test presets leave that
# label out, and this one runs only it. An error or a definite or indirect leak
# fails the program (valgrind's exit status 99).
find_program(MEMORYCHECK_COMMAND valgrind)
set(MEMORYCHECK_COMMAND_OPTIONS
  "--error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite,indirect --show-leak-kinds=definite,indirect --track-origins=yes --num-callers=30")
# CTest's configuration (DartConfiguration.tcl) without the dashboard targets.
set_property(GLOBAL PROPERTY CTEST_TARGETS_ADDED 1)
include(CTest)

get_property(test_programs DIRECTORY ${CMAKE_SOURCE_DIR}/tests PROPERTY BUILDSYSTEM_TARGETS)
list(FILTER test_programs INCLUDE REGEX "^test_(e2e.*|walk|alloc)$")
foreach(program ${test_programs})
  add_test(NAME memcheck_${program} COMMAND ${program} --gtest_brief=1)
  set_tests_properties(memcheck_${program} PROPERTIES LABELS memcheck)
endforeach()
