#pragma once
// A skin's layout tables: where each clickable area lies and what it is, where the displays and
// their glyphs are, the five colours, the group indicator and the window's outline.

#include <QColor>
#include <QPolygon>
#include <QRect>
#include <QRegion>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace sudoku {

constexpr int kAreaCount = 129;

// What a clickable area is, by its position (the HitCode) in the tables.
enum HitKind : int {
  hkNone = 0,
  hkRemoveDigit = 1,
  hkAddDigit = 2,
  hkSetDigit = 3,
  hkMemoryPoint = 4,
  hkButton = 5,
  hkCell = 6,
  hkWindow = 7,
};

struct Hit {
  int code = -1;
  HitKind kind = hkNone;
  int value = -1;
};

// Kind and value of an area position; -1 gives no area.
Hit HitOfCode(int code);

struct SkinLayout {
  std::array<uint16_t, kAreaCount> ids{};
  std::array<QRect, kAreaCount> areas;
  std::array<QRect, 81> cellText;
  bool cellTextFromTable = false;
  // Display displaySlots 0-8 the clock, 9-11 the step counter; glyphs "0"-"9", "-", ":", ",", blank.
  std::array<QRect, 12> displaySlots;
  std::array<QRect, 14> glyphs;
  std::array<QColor, 5> colours;
  // The indicator's marks relative to its frame; their sources in the extended picture.
  QRect indicatorFrame;
  std::array<QRect, 27> marks;
  std::array<QRect, 3> markSources;
  std::vector<QPolygon> outline;
  std::vector<QPolygon> holes;

  // The window's visible region: the union of the outline polygons (winding fill) minus the
  // holes; the whole window when there is no outline.
  QRegion Region(const QSize& size) const;

  // Tables come from outside: every rectangle, the indicator frame and the polygons are cut to
  // the picture, so nothing drawn, copied or allocated from them can be larger than it. A
  // rectangle without width or height becomes empty; inside the picture nothing changes.
  void ClipTo(const QSize& picture);
};

// Builds the layout from the raw tables 100-106; a missing optional table is empty. A required
// table that is missing or of the wrong length throws TextError(513); table 102 is used only
// when it has exactly 648 bytes.
SkinLayout ParseSkinLayout(const std::optional<QByteArray>& ids,
                           const std::optional<QByteArray>& areas,
                           const std::optional<QByteArray>& cellText,
                           const std::optional<QByteArray>& displays,
                           const std::optional<QByteArray>& indicator,
                           const std::optional<QByteArray>& outline,
                           const std::optional<QByteArray>& holes);

// Polygons of a word list, each closed by the word -1; an unclosed or malformed one is dropped.
// At most kMaxPolygons polygons of kMaxPolygonPoints points in all are read; the rest is
// ignored like the words after the last -1.
inline constexpr int kMaxPolygons = 64;
inline constexpr int kMaxPolygonPoints = 2048;
std::vector<QPolygon> ParsePolygons(const QByteArray& words);

}  // namespace sudoku
