#include <gtest/gtest.h>

#include <algorithm>

#include "base/cp1252.h"
#include "base/texts.h"

namespace sudoku {
namespace {

TEST(Texts, NumberedTextsAndFormats) {
  EXPECT_EQ(Text(524), "Ein neues Sudoku läßt sich nich speichern");
  const std::string question = Text(1070);
  EXPECT_EQ(std::count(question.begin(), question.end(), '\n'), 2);
  EXPECT_EQ(Text(9999), "");
  EXPECT_EQ(FormatText(1046, 24, 310), "Beste Möglichkeit: 24 Werte, 310 Schritte");
  EXPECT_EQ(FormatText(1071, 3u), "Sudoku 3");
  EXPECT_EQ(FormatText(1069, "12.3.4"), "Sudoku Nr.: 12.3.4");
  const TextError error(531);
  EXPECT_EQ(error.id(), 531);
  EXPECT_STREQ(error.what(), "Fehler beim Lesen der Datei.");
}

TEST(Cp1252, RoundTripsGermanTextAndReplacesTheRest) {
  const std::string utf8 = "Jörg Müßig €5 – “ok”";
  const std::string bytes = Utf8ToCp1252(utf8);
  EXPECT_EQ(bytes.size(), 20u);
  EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xF6);  // ö
  EXPECT_EQ(static_cast<unsigned char>(bytes[11]), 0x80);  // €
  EXPECT_EQ(Cp1252ToUtf8(bytes), utf8);
  EXPECT_EQ(Utf8ToCp1252("漢x"), "?x");
  EXPECT_EQ(Utf8ToCp1252("\xC3"), "?");  // cut in the middle of a character
  EXPECT_EQ(Cp1252ToUtf8("\x81"), "\xEF\xBF\xBD");  // an undefined byte
}

}  // namespace
}  // namespace sudoku
