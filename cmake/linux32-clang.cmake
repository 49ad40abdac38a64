# The 32-bit Linux build with clang instead of gcc (the fuzz targets need
# clang's libFuzzer).
include(${CMAKE_CURRENT_LIST_DIR}/linux32.cmake)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
