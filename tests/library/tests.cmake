# Core tests of the catalogue and of the generator.
target_sources(core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/builtin_puzzles_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/catalogue_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/game_files_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../solve/generator_test.cpp
)
