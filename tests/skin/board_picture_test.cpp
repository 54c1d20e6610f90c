// The board picture on images, as a metafile and as BMP files.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cmath>
#include <set>
#include <span>

#include "base/bytes.h"
#include "library/bitmap_export.h"
#include "library/board_picture.h"
#include "library/emf_writer.h"
#include "support/boards.h"

namespace sudoku {
namespace {

// Given 7 in cell 0, candidates 1 5 9 in cell 10, a placed 4 in cell 20.
BoardRecord TestBoard() {
  BoardRecord b = test::Puzzle("7" + std::string(80, '.'));
  b.cells[10] = test::Set({1, 5, 9});
  b.cells[20] = test::Set({4});
  b.SetName("7.1.1");
  return b;
}

QImage Draw(const BoardRecord& board, int depth, int size, bool invNumBlock, bool title = false) {
  QImage image(size, size + 60, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  DrawBoardPicture(painter, size, size, title, board, depth, 0, 0, invNumBlock);
  return image;
}

// The colour board at 779 pixels: layout units scaled inside the frame, pulled in by a pixel
// against rounding.
QRect Units(double u0, double v0, double u1, double v1) {
  const double s = 777.0 / 389;
  return QRect(
      QPoint(static_cast<int>(std::ceil(u0 * s)) + 2, static_cast<int>(std::ceil(v0 * s)) + 2),
      QPoint(static_cast<int>(u1 * s), static_cast<int>(v1 * s)));
}

// How many pixels of the rectangle have the colour.
int Count(const QImage& image, const QRect& r, QRgb colour) {
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y) {
    for (int x = r.left(); x <= r.right(); ++x)
      n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
  }
  return n;
}
bool Only(const QImage& image, const QRect& r, QRgb colour) {
  return Count(image, r, colour) == r.width() * r.height();
}

TEST(BoardPicture, FlatGridHasThinLinesInBlocksAndThickOnesBetween) {
  const QImage image = Draw(BoardRecord{}, 1, 659, false);
  // The black runs across the first cell row: frame and margin, then one unit (and the two
  // cell outlines) between cells, two units between blocks.
  std::vector<int> runs{0};
  for (int x = 0; x < 659; ++x) {
    if (image.pixel(x, 40) == qRgb(0, 0, 0)) {
      ++runs.back();
    } else if (runs.back()) {
      runs.push_back(0);
    }
  }
  EXPECT_EQ(runs, (std::vector<int>{5, 4, 4, 6, 4, 4, 6, 4, 4, 5}));
}

TEST(BoardPicture, BevelledBoardWithSunkenCellsAndColouredGivens) {
  const QImage image = Draw(TestBoard(), 6, 779, false);
  // The board: light top edge, dark bottom edge, in a black frame.
  EXPECT_EQ(image.pixel(390, 2), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(390, 776), qRgb(128, 128, 128));
  EXPECT_EQ(image.pixel(0, 390), qRgb(0, 0, 0));
  // An empty cell (cell 1 at 50..85): dark top bevel, white bottom bevel, grey face.
  EXPECT_TRUE(Only(image, Units(55, 10, 80, 12), qRgb(128, 128, 128)));
  EXPECT_TRUE(Only(image, Units(55, 43, 80, 45), qRgb(255, 255, 255)));
  EXPECT_TRUE(Only(image, Units(52, 12, 83, 43), qRgb(192, 192, 192)));
  // The given's face and its dark red digit; a placed digit in blue.
  const QRect given = Units(12, 12, 43, 43);
  EXPECT_EQ(image.pixel(given.topLeft()), qRgb(155, 170, 235));
  EXPECT_GT(Count(image, given, qRgb(192, 0, 0)), 50);
  EXPECT_GT(Count(image, Units(92, 92, 123, 123), qRgb(0, 0, 255)), 20);
}

TEST(BoardPicture, CandidatesFollowTheKeypadOrder) {
  // Cell 10 (row 1, column 1): its face spans 52..83 in both directions.
  auto marked = [](const QImage& image, int column, int row) {
    const double third = 31.0 / 3, u = 52 + column * third, v = 52 + row * third;
    return !Only(image, Units(u, v, u + third, v + third), qRgb(192, 192, 192));
  };
  const QImage normal = Draw(TestBoard(), 6, 779, false);
  EXPECT_TRUE(marked(normal, 0, 0) && marked(normal, 1, 1) && marked(normal, 2, 2));
  EXPECT_FALSE(marked(normal, 0, 2) || marked(normal, 2, 0));
  // As on a keypad: 1 bottom left, 9 top right.
  const QImage keypad = Draw(TestBoard(), 6, 779, true);
  EXPECT_TRUE(marked(keypad, 0, 2) && marked(keypad, 1, 1) && marked(keypad, 2, 0));
  EXPECT_FALSE(marked(keypad, 0, 0) || marked(keypad, 2, 2));
}

TEST(BoardPicture, TitleLineUnderTheBoardOnlyWithANumber) {
  const QRect below(0, 402, 400, 58);
  BoardRecord board = TestBoard();
  EXPECT_FALSE(Only(Draw(board, 6, 400, false, true), below, qRgb(255, 255, 255)));
  EXPECT_TRUE(Only(Draw(board, 6, 400, false, false), below, qRgb(255, 255, 255)));
  board.SetName("");
  EXPECT_TRUE(Only(Draw(board, 6, 400, false, true), below, qRgb(255, 255, 255)));
}

std::span<const uint8_t> Bytes(const QByteArray& a) {
  return {reinterpret_cast<const uint8_t*>(a.constData()), static_cast<size_t>(a.size())};
}

TEST(BoardMetafile, HeaderFrameDescriptionAndRecordChain) {
  for (const bool colour : {false, true}) {
    const QByteArray emf = BoardMetafile(TestBoard(), colour, false, "2.0.0");
    const auto b = Bytes(emf);
    const int32_t side = colour ? 779 : 659;
    ASSERT_GE(b.size(), 108u);
    EXPECT_EQ(GetU32(b, 40), 0x464D4520u);
    EXPECT_EQ(GetU32(b, 48), b.size());
    // Bounds and frame are inclusive; the frame in hundredths of a millimetre at 96 dpi.
    EXPECT_EQ(GetI32(b, 16), side - 1);
    EXPECT_EQ(GetI32(b, 20), side - 1);
    EXPECT_NEAR(GetI32(b, 32), side * 2540.0 / 96, 2);
    const QString description(reinterpret_cast<const QChar*>(emf.constData() + GetU32(b, 64)),
                              static_cast<qsizetype>(GetU32(b, 60)));
    EXPECT_EQ(description, QString("Sudoku v2.0.0") + QChar(0) + "Spielfeld" + QChar(0) + QChar(0));

    // Every record is padded to four bytes; the chain ends exactly with EOF.
    uint32_t offset = 0, records = 0, last = 0;
    std::set<uint32_t> types;
    while (offset < b.size()) {
      last = GetU32(b, offset);
      const uint32_t size = GetU32(b, offset + 4);
      ASSERT_TRUE(size >= 8 && size % 4 == 0 && offset + size <= b.size()) << offset;
      types.insert(last);
      offset += size;
      ++records;
    }
    EXPECT_EQ(last, 14u);
    EXPECT_EQ(GetU32(b, 52), records);
    EXPECT_EQ(types.contains(86u), colour);  // bevel polygons only in colour
  }
}

TEST(BoardMetafile, ReadersOpenIt) {
  const QString converter = QStandardPaths::findExecutable("emf2svg-conv");
  if (converter.isEmpty()) GTEST_SKIP() << "emf2svg-conv is not installed";
  QTemporaryDir dir;
  for (const bool colour : {false, true}) {
    const QString emf = dir.filePath(colour ? "colour.emf" : "mono.emf");
    SaveBoardMetafile(emf, TestBoard(), colour, false, "2.0.0");
    QProcess process;
    process.start(converter, {"-i", emf, "-o", emf + ".svg"});
    ASSERT_TRUE(process.waitForFinished(30000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    QFile file(emf + ".svg");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(file.readAll());
    // The frame is the first shape and covers the whole picture.
    EXPECT_TRUE(
        svg.contains(QString(R"(<rect x="0.0000" y="0.0000" width="%1.0000" height="%1.0000")")
                         .arg(colour ? 779 : 659)));
    EXPECT_EQ(svg.count("<text"), 5);  // the given, three candidates and the placed digit
    EXPECT_TRUE(svg.contains("<![CDATA[7]]>"));
  }
}

TEST(BoardBitmap, EveryPixelFormatWritesAReadableBmp) {
  const struct {
    int format, stored, compression, colours;
    QRgb given;  // the given's face
  } cases[] = {
      {1, 1, 0, 2, qRgb(255, 255, 255)},   {2, 4, 0, 16, qRgb(255, 255, 0)},
      {3, 8, 0, 256, qRgb(166, 202, 240)}, {4, 16, 0, 0, qRgb(156, 173, 239)},
      {5, 16, 3, 0, qRgb(156, 170, 239)},  {6, 24, 0, 0, qRgb(155, 170, 235)},
      {7, 32, 0, 0, qRgb(155, 170, 235)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.format);
    const int width = 203, height = 190;  // rows that need padding in every format
    const QImage image = BoardBitmap(TestBoard(), width, height, c.format, false);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.pixel(c.format == 1 ? 3 : 7, 7) & 0xFFFFFF, c.given & 0xFFFFFF);

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(WriteBmp(buffer, image, BitsPerPixel(c.format), 7874));
    const auto b = Bytes(buffer.data());
    ASSERT_GT(b.size(), 54u);
    EXPECT_EQ(GetU32(b, 2), b.size());
    EXPECT_EQ(GetU16(b, 28), c.stored);
    EXPECT_EQ(GetU32(b, 30), static_cast<uint32_t>(c.compression));
    EXPECT_EQ(GetU32(b, 38), 7874u);
    EXPECT_EQ(GetU32(b, 46), static_cast<uint32_t>(c.colours));
    EXPECT_EQ(b.size() - GetU32(b, 10), (width * c.stored + 31u) / 32 * 4 * height);

    // Read back, the picture is the same, top row first; readers may widen 5- and 6-bit
    // channels differently.
    const QImage back = QImage::fromData(buffer.data(), "BMP");
    const QImage::Format same = c.stored == 16 ? image.format() : QImage::Format_RGB32;
    EXPECT_EQ(back.convertToFormat(same), image.convertToFormat(same));
  }
}

}  // namespace
}  // namespace sudoku
