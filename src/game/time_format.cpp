#include "game/time_format.h"

#include <cstdio>

#include "game/game_flags.h"

namespace sudoku {

std::string FormatTime(uint32_t ms) {
  if (ms == kNoTime) return "-:--:--.-";
  uint32_t seconds = ms / 1000;
  const uint32_t r = ms % 1000 + 50;
  if (r >= 1000) ++seconds;
  uint32_t tenths = (r / 100) % 10;
  const uint32_t minutes = seconds / 60;
  uint32_t hours = minutes / 60;
  char text[32];
  if (hours > 9) return "9:59:59.9";
  std::snprintf(text, sizeof text, "%u:%.02u:%.02u.%u", hours, minutes % 60, seconds % 60, tenths);
  return text;
}

}  // namespace sudoku
