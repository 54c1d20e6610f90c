target_sources(sudoku_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/time_format.cpp
  ${CMAKE_CURRENT_LIST_DIR}/game_record.cpp
  ${CMAKE_CURRENT_LIST_DIR}/game_controller.cpp
  ${CMAKE_CURRENT_LIST_DIR}/game_calculation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/game_memory.cpp
  ${CMAKE_CURRENT_LIST_DIR}/command_states.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cell_operations.cpp
)
