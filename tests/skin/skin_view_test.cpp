// The skinned surface on pictures: hit areas, outline, displays, the indicator and the cells.

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "base/texts.h"
#include "skin/skin_view.h"
#include "support/boards.h"
#include "skin/synthetic_skin.h"

namespace sudoku {
namespace {

using test::SyntheticSkin;

class Cells : public CellSource {
 public:
  BoardRecord board;
  int cursor = -1;
  const BoardRecord& Board() const override { return board; }
  int Cursor() const override { return cursor; }
};

class SkinViewTest : public ::testing::Test {
 protected:
  void Apply(const SyntheticSkin& skin) {
    const QString dir = temp.path() + "/" + QString::number(++count);
    skin.Write(dir);
    view.ApplySkin(dir);
  }
  void SetUp() override {
    view.SetCellSource(&cells);
    Apply(SyntheticSkin{});
  }
  QColor At(int x, int y) const { return view.MainImage().pixelColor(x, y); }
  // Whether any pixel of the rectangle has the colour.
  bool Shows(const QRect& r, const QColor& colour) const {
    for (int y = r.top(); y <= r.bottom(); ++y) {
      for (int x = r.left(); x <= r.right(); ++x) {
        if (At(x, y) == colour) return true;
      }
    }
    return false;
  }
  // Whether any pixel of the rectangle is nearer to the colour than to the cell face: small
  // antialiased digits may have no pixel of exactly their colour.
  bool Tinted(const QRect& r, const QColor& colour, const QColor& face = QColor(220, 220, 220)) const {
    auto distance = [](const QColor& a, const QColor& b) {
      return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
             std::abs(a.blue() - b.blue());
    };
    for (int y = r.top(); y <= r.bottom(); ++y) {
      for (int x = r.left(); x <= r.right(); ++x) {
        if (2 * distance(At(x, y), colour) < distance(face, colour)) return true;
      }
    }
    return false;
  }
  QColor SlotColour(int slot) const {
    const QRect r = SyntheticSkin::Slot(slot);
    return At(r.center().x(), r.center().y());
  }

  QTemporaryDir temp;
  int count = 0;
  Cells cells;
  SkinView view;
};

TEST_F(SkinViewTest, EveryAreaIsHitAtItsCentreOnly) {
  for (int code = 0; code < 129; ++code) {
    const QRect r = view.Layout().areas[code];
    const Hit hit = view.HitTest(r.center().x(), r.center().y());
    ASSERT_EQ(hit.code, code);
    EXPECT_EQ(hit.kind, HitOfCode(code).kind);
    EXPECT_NE(view.HitTest(r.right() + 1, r.bottom() + 1).code, code);
  }
  EXPECT_EQ(view.HitTest(299, 359).code, -1);
  EXPECT_EQ(view.HitTest(-1, 5).code, -1);
  EXPECT_EQ(view.HitTest(5, 400).code, -1);
  EXPECT_EQ(HitOfCode(0).value, 1);
  EXPECT_EQ(HitOfCode(17).value, 9);
  EXPECT_EQ(HitOfCode(26).value, 9);
  EXPECT_EQ(HitOfCode(35).value, 8);
  EXPECT_EQ(HitOfCode(44).value, 8);
  EXPECT_EQ(HitOfCode(125).value, 80);
  EXPECT_EQ(HitOfCode(128).value, 2);
  EXPECT_EQ(view.SkinName(), "Test");
  EXPECT_EQ(view.SkinCopyright(), "(c) tests");
  EXPECT_EQ(view.Size(), QSize(300, 360));
}

TEST_F(SkinViewTest, OutlineFromPolygons) {
  const QRegion region = view.Outline();
  EXPECT_TRUE(region.contains(QPoint(150, 100)));
  EXPECT_FALSE(region.contains(QPoint(1, 1)));  // the cut corner
  SyntheticSkin plain;
  plain.withOutline = false;
  Apply(plain);
  EXPECT_EQ(view.Outline(), QRegion(0, 0, 300, 360));

  QByteArray words;
  for (int v : {0, 0, 100, 0, 100, 100, 0, 100, -1, 50, 50, 60, 50}) SyntheticSkin::Word(words, v);
  auto polygons = ParsePolygons(words);  // the second one is never closed
  ASSERT_EQ(polygons.size(), 1u);
  words.clear();
  for (int v : {0, 0, 10, -1, 0, 0, 9, 0, 9, 9, -1}) SyntheticSkin::Word(words, v);
  polygons = ParsePolygons(words);  // the first has an x without its y
  ASSERT_EQ(polygons.size(), 1u);
  EXPECT_EQ(polygons[0].size(), 3);
  SkinLayout l;
  l.outline = {QPolygon(QRect(0, 0, 100, 100))};
  l.holes = {QPolygon(QRect(40, 40, 20, 20))};
  EXPECT_FALSE(l.Region(QSize(100, 100)).contains(QPoint(50, 50)));
  EXPECT_TRUE(l.Region(QSize(100, 100)).contains(QPoint(10, 10)));
}

TEST_F(SkinViewTest, TablesOfTheWrongSizeFail) {
  for (int table : {100, 101, 103, 104}) {
    SyntheticSkin broken;
    broken.dropTable = table;
    try {
      Apply(broken);
      FAIL() << table;
    } catch (const TextError& e) {
      EXPECT_EQ(e.id(), 513);
    }
  }
  SyntheticSkin noText;
  noText.withCellTextTable = false;  // optional: derived from the cell areas
  Apply(noText);
  EXPECT_FALSE(view.Layout().cellTextFromTable);
  EXPECT_EQ(view.Layout().cellText[0], QRect(6, 6, 20, 20));
  SyntheticSkin noPicture;
  noPicture.dropBitmap = 102;
  EXPECT_THROW(Apply(noPicture), TextError);
  SyntheticSkin noName;
  noName.dropName = true;
  try {
    Apply(noName);
    FAIL();
  } catch (const TextError& e) {
    EXPECT_EQ(e.id(), 515);
  }
  SyntheticSkin noCopyright;
  noCopyright.copyright.reset();
  Apply(noCopyright);
  EXPECT_EQ(view.SkinCopyright(), "(kein Copyright-Vermerk)");

  // Pictures and tables larger than any skin needs are refused before they are decoded.
  const QString big = temp.path() + "/big";
  SyntheticSkin{}.Write(big);
  QImage(kMaxSkinSide + 1, 1, QImage::Format_RGB32).save(big + "/bitmap/101", "PNG");
  EXPECT_THROW(view.ApplySkin(big), TextError);
  SyntheticSkin{}.Write(big);
  SyntheticSkin::File(big + "/rcdata/105", QByteArray(kMaxSkinTable + 2, '\0'));
  try {
    view.ApplySkin(big);
    FAIL();
  } catch (const TextError& e) {
    EXPECT_EQ(e.id(), 513);
  }
}

TEST_F(SkinViewTest, CounterAndClockDisplays) {
  auto glyphIn = [&](int slot) {
    for (int g = 0; g < 14; ++g) {
      if (SlotColour(slot) == SyntheticSkin::GlyphColour(g)) return g;
    }
    return SlotColour(slot) == QColor(10, 20, 30) ? -2 : -1;  // colour 0: blank
  };
  view.ShowCounter(1234);
  EXPECT_EQ(glyphIn(9), 9);
  EXPECT_EQ(glyphIn(11), 9);
  view.ShowCounter(7);
  EXPECT_EQ(glyphIn(9), 0);
  EXPECT_EQ(glyphIn(10), 0);
  EXPECT_EQ(glyphIn(11), 7);
  view.ShowCounter(-5);
  EXPECT_EQ(glyphIn(11), 0);
  view.ShowClock(-1);
  for (int slot : {0, 2, 3, 5, 6, 8}) EXPECT_EQ(glyphIn(slot), 10) << slot;
  view.ShowClock(40000000);  // 9:59:59.9
  EXPECT_EQ(glyphIn(0), 9);
  EXPECT_EQ(glyphIn(3), 9);
  EXPECT_EQ(glyphIn(8), 9);
  view.ShowClockSeparators(true);
  EXPECT_EQ(glyphIn(1), 11);
  EXPECT_EQ(glyphIn(7), 12);
  view.ShowClockSeparators(false);
  EXPECT_EQ(glyphIn(4), -2);
  view.DrawDisplayChar(1, '5');  // not allowed in a separator slot
  view.DrawDisplayChar(0, ':');
  view.DrawDisplayChar(12, '1');
  EXPECT_EQ(glyphIn(1), -2);
  EXPECT_EQ(glyphIn(0), 9);

  SyntheticSkin narrow;
  narrow.glyphWidthDelta = -1;  // digit glyphs one pixel narrower than their slots
  Apply(narrow);
  view.ShowCounter(123);
  EXPECT_EQ(glyphIn(9), -1);  // undrawn: the picture's own face
}

TEST_F(SkinViewTest, TheIndicatorMarksCompleteGroups) {
  view.UpdateGroupIndicator(1u << 2, 0, 1u << 8);
  const QRect column2 = SyntheticSkin::Mark(2), block8 = SyntheticSkin::Mark(26);
  EXPECT_EQ(At(column2.center().x(), column2.center().y()), QColor(0, 160, 0));
  EXPECT_EQ(At(block8.center().x(), block8.center().y()), QColor(0, 220, 0));
  const QRect row0 = SyntheticSkin::Mark(9);
  EXPECT_EQ(At(row0.center().x(), row0.center().y()), QColor(220, 220, 220));
  view.UpdateGroupIndicator(0, 0, 0);
  EXPECT_EQ(At(column2.center().x(), column2.center().y()), QColor(220, 220, 220));
}

TEST_F(SkinViewTest, CellsShowCursorGivensAndCandidates) {
  cells.board = test::Puzzle(test::kEasyPuzzle);  // cell 1 is a given 4
  cells.cursor = 10;
  for (int cell = 0; cell < 81; ++cell) view.RedrawCell(cell);
  const QRect cursor = SyntheticSkin::Area(45 + 10);
  EXPECT_EQ(At(cursor.left() + 1, cursor.top() + 10), QColor(255, 0, 0));  // the frame
  EXPECT_EQ(At(cursor.left() + 2, cursor.top() + 10), QColor(220, 220, 220));
  const QRect given = SyntheticSkin::Area(45 + 1);
  EXPECT_EQ(At(given.left() + 2, given.top() + 2), QColor(250, 240, 150));  // extended look
  EXPECT_TRUE(Tinted(given, QColor(204, 0, 0), QColor(250, 240, 150)));  // colour 2
  EXPECT_TRUE(view.Lit(46));

  // Candidates: 1 at the bottom left with the keypad order, at the top left without.
  cells.board.cells[0] = test::Set({1});
  cells.board.marked.Add(0);  // added, so still a candidate
  const QRect t = view.Layout().cellText[0];
  const QRect topLeft(t.left(), t.top(), t.width() / 3, t.height() / 3);
  const QRect bottomLeft(t.left(), t.bottom() - t.height() / 3, t.width() / 3, t.height() / 3);
  view.RedrawCell(0);
  EXPECT_TRUE(Tinted(bottomLeft, QColor(0, 0, 255)));
  EXPECT_FALSE(Tinted(topLeft, QColor(0, 0, 255)));
  view.SetKeypadOrder(false);
  view.RedrawCell(0);
  EXPECT_TRUE(Tinted(topLeft, QColor(0, 0, 255)));
  EXPECT_FALSE(Tinted(bottomLeft, QColor(0, 0, 255)));
  cells.board.marked.Remove(0);  // decided: one large digit in colour 3
  view.RedrawCell(0);
  EXPECT_TRUE(Tinted(t, QColor(255, 144, 0)));
  EXPECT_FALSE(Tinted(t, QColor(0, 0, 255)));
  cells.board.cells[0] = 0;  // empty: only the picture
  view.RedrawCell(0);
  EXPECT_FALSE(Shows(SyntheticSkin::Area(45), QColor(255, 144, 0)));
}

TEST_F(SkinViewTest, PressedLookAndLitAreasThroughASkinChange) {
  std::vector<bool> timer;
  std::vector<std::pair<int, bool>> memory;
  view.onKeyTimer = [&](bool on) { timer.push_back(on); };
  view.onMemoryArea = [&](int slot, bool lit) { memory.emplace_back(slot, lit); };
  view.SetPressedArea(20);
  EXPECT_TRUE(view.Lit(20));
  view.SetPressedArea(40);  // a command button acts on press: never drawn pressed
  EXPECT_FALSE(view.Lit(20));
  EXPECT_FALSE(view.Lit(40));
  EXPECT_EQ(view.PressedArea(), 40);
  view.SetPressedArea(-1);
  EXPECT_EQ(timer, (std::vector<bool>{true, false}));

  view.DrawArea(30, true);  // memory point 4 set
  EXPECT_EQ(memory.back(), (std::pair<int, bool>{3, true}));
  SyntheticSkin other;
  other.extendedFace = QColor(100, 200, 100);
  Apply(other);
  EXPECT_TRUE(view.Lit(30));
  const QRect area = SyntheticSkin::Area(30);
  EXPECT_EQ(At(area.center().x(), area.center().y()), QColor(100, 200, 100));
  view.DrawArea(300, true);  // no such area
}

TEST_F(SkinViewTest, RectanglesFromOutsideNeverReachOutsideThePictures) {
  SyntheticSkin skin;
  skin.Write(temp.path() + "/odd");
  // Areas and glyphs beyond the picture or with negative sizes, duplicate ids.
  QByteArray areas, displays, ids;
  for (int code = 0; code < 129; ++code) {
    SyntheticSkin::Rect(areas, code % 3 == 0 ? QRect(290, 350, 40, 40) : QRect(-20, -20, -5, 30));
    SyntheticSkin::Word(ids, 7);
  }
  for (int i = 0; i < 26; ++i) SyntheticSkin::Rect(displays, QRect(-100, 500, 10, 14));
  displays.append(QByteArray(20, '\0'));
  // Indicator marks far apart around one at its place, and an outline far beyond the window:
  // neither may make anything larger than the picture.
  QByteArray indicator, outline;
  for (int i = 0; i < 30; ++i) {
    const QRect far = i % 2 ? QRect(-30000, -30000, 8, 8) : QRect(30000, 30000, 8, 8);
    SyntheticSkin::Rect(indicator, i >= 27 ? SyntheticSkin::MarkSource(i - 27)
                                   : i == 5 ? SyntheticSkin::Mark(5)
                                            : far);
  }
  for (int v : {-32000, -32000, 32000, -32000, 32000, 32000, -32000, 32000, -1}) {
    SyntheticSkin::Word(outline, v);
  }
  SyntheticSkin::File(temp.path() + "/odd/rcdata/101", areas);
  SyntheticSkin::File(temp.path() + "/odd/rcdata/100", ids);
  SyntheticSkin::File(temp.path() + "/odd/rcdata/103", displays);
  SyntheticSkin::File(temp.path() + "/odd/rcdata/104", indicator);
  SyntheticSkin::File(temp.path() + "/odd/rcdata/105", outline);
  view.ApplySkin(temp.path() + "/odd");
  const QRect picture(0, 0, 300, 360);
  EXPECT_TRUE(picture.contains(view.Layout().indicatorFrame));
  EXPECT_TRUE(view.Outline().contains(picture));
  EXPECT_TRUE(picture.adjusted(-300, -360, 300, 360).contains(view.Outline().boundingRect()));
  cells.cursor = 3;
  cells.board = test::Puzzle(test::kEasyPuzzle);
  for (int cell = 0; cell < 81; ++cell) view.RedrawCell(cell);
  view.ShowCounter(5);
  view.ShowClock(1000);
  view.UpdateGroupIndicator(0x1FF, 0x1FF, 0x1FF);
  const QRect column5 = SyntheticSkin::Mark(5);
  EXPECT_EQ(At(column5.center().x(), column5.center().y()), QColor(0, 160, 0));
  // With every id the same, the first position wins where the mask has that id.
  const QRect seven = SyntheticSkin::Area(7);
  EXPECT_EQ(view.HitTest(seven.center().x(), seven.center().y()).code, 0);
  EXPECT_EQ(view.HitTest(150, 150).code, -1);
  // The same at a fractional pixel ratio, where rectangles are rounded to device pixels.
  view.SetDevicePixelRatio(1.75);
  view.UpdateGroupIndicator(0, 0, 0);
  view.ShowClock(2000);
  EXPECT_EQ(view.MainImage().size(), QSize(525, 630));
}

// A screen with more device pixels than logical ones: the surface is drawn at its ratio, from
// the skin's 2x pictures where it has them, while tables and hits stay logical.
TEST_F(SkinViewTest, DrawsAtTheScreensPixelRatio) {
  SyntheticSkin skin;
  skin.withDoubled = true;
  Apply(skin);
  cells.board.cells[0] = test::Set({5});
  view.RedrawCell(0);
  view.ShowCounter(7);
  view.ShowClockSeparators(false);
  view.UpdateGroupIndicator(1, 0, 0);
  view.DrawArea(27, true);
  const QImage single = view.MainImage().copy();

  view.SetDevicePixelRatio(2);
  const QImage& image = view.MainImage();
  EXPECT_EQ(image.size(), QSize(600, 720));
  EXPECT_EQ(image.devicePixelRatio(), 2.0);
  const auto device = [](const QRect& r) { return QRect(r.topLeft() * 2, r.size() * 2); };
  const auto all = [&](const QRect& r, const QColor& colour) {
    for (int y = r.top(); y <= r.bottom(); ++y) {
      for (int x = r.left(); x <= r.right(); ++x) {
        if (image.pixelColor(x, y) != colour) return false;
      }
    }
    return true;
  };
  EXPECT_TRUE(all(device(SyntheticSkin::Area(1)), skin.doubledNormalFace));
  EXPECT_TRUE(all(device(SyntheticSkin::Area(27)), skin.doubledExtendedFace));
  EXPECT_TRUE(all(device(SyntheticSkin::Slot(11)), SyntheticSkin::GlyphColour(7)));
  EXPECT_TRUE(all(device(SyntheticSkin::Slot(4)), skin.colours[0]));
  EXPECT_TRUE(all(device(SyntheticSkin::Mark(0)), SyntheticSkin::MarkColour(0)));
  // The decided digit is drawn at full resolution inside its device text rectangle.
  const QRect text = device(view.Layout().cellText[0]);
  int inside = 0, outside = 0;
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 60; ++x) {
      if (image.pixelColor(x, y) == skin.colours[3]) ++(text.contains(x, y) ? inside : outside);
    }
  }
  EXPECT_GT(inside, 4 * 20);
  EXPECT_EQ(outside, 0);
  for (int code = 0; code < 129; ++code) {
    const QRect r = SyntheticSkin::Area(code);
    EXPECT_EQ(view.HitTest(r.right(), r.bottom()).code, code);
  }

  view.SetDevicePixelRatio(1);
  EXPECT_EQ(view.MainImage(), single);

  // A 2x picture of another size is left aside: the 1x picture is scaled.
  skin.doubledSize = QSize(599, 720);
  Apply(skin);
  view.SetDevicePixelRatio(2);
  EXPECT_EQ(view.MainImage().pixelColor(device(SyntheticSkin::Area(1)).center()), skin.normalFace);
}

}  // namespace
}  // namespace sudoku
