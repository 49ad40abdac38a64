# Every build of ours fails on a warning, the product's first: each target
# made after this takes -Werror (cmake --compile-no-warning-error turns it
# off for a local experiment). GoogleTest, which is not ours, is built
# without it (CMakeLists.txt).
add_compile_options(-Wall -Wextra -Wno-missing-field-initializers)
set(CMAKE_COMPILE_WARNING_AS_ERROR ON)
