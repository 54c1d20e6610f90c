#pragma once
// 8-bit texts (names in records, list files, clipboard) are Windows-1252, so that stored files
// stay byte-compatible with those written on Windows; the program works in UTF-8.

#include <string>
#include <string_view>

namespace sudoku {

std::string Cp1252ToUtf8(std::string_view text);
// Characters without a Windows-1252 form become '?'.
std::string Utf8ToCp1252(std::string_view text);

}  // namespace sudoku
