target_sources(sudoku_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/board.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tables.cpp
  ${CMAKE_CURRENT_LIST_DIR}/puzzle_string.cpp
  ${CMAKE_CURRENT_LIST_DIR}/puzzle_index.cpp
  ${CMAKE_CURRENT_LIST_DIR}/undo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/memory_slot.cpp
)
