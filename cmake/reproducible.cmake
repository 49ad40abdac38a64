# The product builds bit for bit the same from the same sources, in any folder
# and at any time: no source or build path in the objects, and neither a link
# time in the PE header nor in the export directory (the linker writes 0).
# scripts/test-package.sh checks that neither DLL holds a path and the
# linked one no link time.
add_compile_options(
  -ffile-prefix-map=${CMAKE_SOURCE_DIR}/=
  -ffile-prefix-map=${CMAKE_BINARY_DIR}/=)
add_link_options(-Wl,--no-insert-timestamp)
