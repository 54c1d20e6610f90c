#pragma once

#include <cstdint>
#include <string>

namespace sudoku {

// "h:mm:ss.t" with the tenths rounded; kNoTime gives "-:--:--.-", more than 9 hours 9:59:59.9.
std::string FormatTime(uint32_t ms);

}  // namespace sudoku
