# The checks beside the test programs, each a CTest test with a label of its
# own and the label "check" (ctest -LE check runs the test programs alone):
#
#   Linux builds (linux32, and   format, clang-tidy, exports (libtolvik.so),
#   the coverage build)          lang_codepages, readme, tmux, valgrind
#                                (cmake/memcheck.cmake)
#   coverage build, after those  coverage (their runs count too)
#   win32                        exports (tolvik.dll), package
#   fuzz build                   fuzz (fuzz/CMakeLists.txt)
#
# Each check uses only its own build, so the presets can run in any order,
# and installs and builds nothing.
set(scripts ${CMAKE_SOURCE_DIR}/scripts)

function(tolvik_check name label)
  add_test(NAME ${name} COMMAND ${ARGN})
  set_tests_properties(${name} PROPERTIES LABELS "${label};check")
endfunction()

if(WIN32)
  tolvik_check(exports.dll exports ${scripts}/test-exports.sh ${TOLVIK_EXPORT_NAMES} $<TARGET_FILE:tolvik>)
  # What the build's target tolvik_package made (cmake/package.cmake).
  tolvik_check(package package ${scripts}/test-package.sh ${TOLVIK_PACKAGE_DIST} $<TARGET_FILE:tolvik>
    ${TOLVIK_EXPORT_NAMES})
  return()
endif()
if(TOLVIK_SANITIZE)
  return()
endif()

# The language files, each in the code page of its language (the table
# emulator/language_code_pages.inc): the same files for every build, so
# checked in the Linux builds only.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
file(GLOB language_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/lang/*.lng ${CMAKE_SOURCE_DIR}/lang/*.hlf
  ${CMAKE_SOURCE_DIR}/lang/*.txt)
tolvik_check(lang_codepages lang_codepages Python3::Interpreter ${scripts}/lang_codepages.py ${language_files})

# The interactive host of this build on the README's commands and on a real
# terminal; the README's screens are drawn in build/sample, which one run at a
# time may use.
tolvik_check(readme readme ${scripts}/readme-screens.sh --check)
tolvik_check(tmux tmux ${scripts}/test-tmux.sh)
set_tests_properties(readme tmux PROPERTIES ENVIRONMENT TOLVIK_HOST=$<TARGET_FILE:tolvik_host>)
set_tests_properties(readme PROPERTIES RESOURCE_LOCK sample_tree)

tolvik_check(format format ${scripts}/test-format.sh)
tolvik_check(exports.so exports ${scripts}/test-exports.sh ${TOLVIK_EXPORT_NAMES} $<TARGET_FILE:tolvik>)
# clang-tidy runs its files one a core, for minutes. It and the valgrind
# runs, the longest tests, start first, side by side: ctest counts clang-tidy
# as one processor, so the machine is shared for a while rather than left
# half idle after the short tests.
tolvik_check(clang-tidy clang-tidy ${scripts}/test-clang-tidy.sh ${CMAKE_BINARY_DIR})
set_tests_properties(clang-tidy PROPERTIES TIMEOUT 1800 COST 1000)
include(${CMAKE_CURRENT_LIST_DIR}/memcheck.cmake)
if(TOLVIK_COVERAGE)
  include(${CMAKE_CURRENT_LIST_DIR}/coverage_report.cmake)
endif()
