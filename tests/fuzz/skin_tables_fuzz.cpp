// Skin tables (raw data 100 to 106) with pictures of any size: the layout, the window's
// outline, every area, display and indicator drawn, and hits on the mask.
//
// Input: the pictures' width and height (a byte each), the seven tables (each a 16-bit length,
// 0xFFFF for a missing one, and its bytes), then what to draw.

#include <QImage>
#include <optional>

#include "base/texts.h"
#include "fuzz/fuzz_support.h"
#include "model/puzzle_string.h"
#include "skin/skin_view.h"

namespace {

class SomeDigits : public sudoku::CellSource {
 public:
  SomeDigits() {
    sudoku::LoadBoardFromString(board, std::string(40, '0') + "5" + std::string(40, '0'));
    board.cells[0] = 0x03FE;   // all candidates
    board.cells[80] = 0x0010;  // one placed digit
  }
  const sudoku::BoardRecord& Board() const override { return board; }
  int Cursor() const override { return 40; }
  sudoku::BoardRecord board;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace sudoku;
  fuzz::Input in(data, size);
  const int width = 1 + in.Byte() % 128, height = 1 + in.Byte() % 128;
  std::optional<QByteArray> tables[7];
  for (auto& table : tables) {
    const uint16_t length = in.U16();
    if (length == 0xFFFF) continue;
    const std::string_view bytes = in.Bytes(length);
    table = QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
  }
  SkinLayout layout;
  try {
    layout = ParseSkinLayout(tables[0], tables[1], tables[2], tables[3], tables[4], tables[5],
                             tables[6]);
  } catch (const TextError&) {
    return 0;
  }
  QImage normal(width, height, QImage::Format_RGB32), extended = normal, mask = normal;
  normal.fill(Qt::gray);
  extended.fill(Qt::yellow);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) mask.setPixel(x, y, qRgb((x * 7 + y * 13) % 256, 0, 0));
  }
  static SomeDigits cells;
  SkinView view;
  view.SetCellSource(&cells);
  view.ApplyLayout(std::move(layout), normal, extended, mask);
  view.Outline();
  for (int i = 0; i < 8 && !in.Empty(); ++i) {
    const uint8_t what = in.Byte(), value = in.Byte();
    switch (what % 7) {
      case 0:
        view.SetPressedArea(value - 1);
        break;
      case 1:
        view.DrawArea(value, what & 0x80);
        break;
      case 2:
        view.ShowCounter(static_cast<int>(in.U32()));
        break;
      case 3:
        view.ShowClock(static_cast<int32_t>(in.U32()));
        break;
      case 4:
        view.ShowClockSeparators(value & 1);
        break;
      case 5:
        view.UpdateGroupIndicator(in.U16(), in.U16(), in.U16());
        break;
      case 6:
        view.HitTest(value % (width + 2) - 1, in.Byte() % (height + 2) - 1);
        break;
    }
  }
  return 0;
}
