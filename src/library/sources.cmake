# Catalogue, files, hall of fame, print layout (the core side).
target_sources(sudoku_core PRIVATE
)
