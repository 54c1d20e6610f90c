# Catalogue, files, hall of fame, print layout (the core side).
target_sources(sudoku_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/builtin_puzzles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/catalogue.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hall_of_fame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/print_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/game_files.cpp
)
