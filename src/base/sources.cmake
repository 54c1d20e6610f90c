target_sources(sudoku_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/texts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cp1252.cpp
)
