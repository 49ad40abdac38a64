# tolvik_walk: the walk (walker, list model), the registry invariant checker
# and the walk's tree, over the linked plugin. No GoogleTest, so that the
# fuzz targets link it as the test programs do. `lang_dir` is the language
# folder as the programs see it (set by the includer; the source tree's
# lang/ when unset).
if(NOT TARGET tolvik_walk)
  if(NOT DEFINED lang_dir)
    set(lang_dir ${CMAKE_SOURCE_DIR}/lang)
  endif()
  add_library(tolvik_walk STATIC ${CMAKE_CURRENT_LIST_DIR}/walker.cpp ${CMAKE_CURRENT_LIST_DIR}/list_model.cpp)
  target_include_directories(tolvik_walk PUBLIC ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR})
  target_compile_definitions(tolvik_walk PUBLIC TOLVIK_LANG_DIR="${lang_dir}")
  target_link_libraries(tolvik_walk PUBLIC emulator tolvik_static)
endif()
