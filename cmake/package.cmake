# The Windows package, a target of the win32 build (tolvik_package, built
# with everything): dist/tolvik-<version>-win32.zip in the build folder, one
# folder tolvik/ with the stripped DLL, every language and help file of lang/
# and INSTALL.txt, and dist/SHA256SUMS beside it. cmake/package.sh makes
# them; scripts/package.sh builds this target and copies dist/ to the
# project's; the test package (scripts/test-package.sh) checks what it made.
file(GLOB package_lang_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/lang/*.lng ${CMAKE_SOURCE_DIR}/lang/*.hlf)
set(TOLVIK_PACKAGE_DIST ${CMAKE_BINARY_DIR}/dist)
set(package_zip ${TOLVIK_PACKAGE_DIST}/tolvik-${PROJECT_VERSION}-win32.zip)
add_custom_command(OUTPUT ${package_zip} ${TOLVIK_PACKAGE_DIST}/SHA256SUMS
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/package.sh $<TARGET_FILE:tolvik> ${CMAKE_STRIP} ${PROJECT_VERSION}
    ${CMAKE_BINARY_DIR}/package ${TOLVIK_PACKAGE_DIST}
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
  DEPENDS tolvik ${package_lang_files} ${CMAKE_CURRENT_LIST_DIR}/package.sh
  COMMENT "Packaging tolvik-${PROJECT_VERSION}-win32.zip")
add_custom_target(tolvik_package ALL DEPENDS ${package_zip})
