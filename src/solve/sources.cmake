target_sources(sudoku_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/solver.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hidden_chain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/summaries.cpp
  ${CMAKE_CURRENT_LIST_DIR}/generator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/distinct_puzzles.cpp
)
