#include "skin_preview.h"

#include <QPainter>
#include <QPainterPath>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "base/texts.h"
#include "skin/skin_view.h"
#include "skin_files.h"

namespace sudoku::skin_painter {
namespace {

QColor FalseColour(int id) {
  // Neighbouring ids get far-apart hues.
  return QColor::fromHsv((id * 67) % 360, 150 + (id * 37) % 100, 200 + (id * 13) % 56);
}

}  // namespace

QImage MaskPreview(const SkinDescription& d, const SkinPictures& pics) {
  QImage out(pics.mask.size(), QImage::Format_RGB32);
  for (int y = 0; y < out.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(pics.mask.constScanLine(y));
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      const int id = qRed(in[x]);
      line[x] = id == 255 ? qRgb(40, 40, 40) : FalseColour(id).rgb();
    }
  }
  // The normal picture shows through faintly so each area can be told apart.
  QPainter p(&out);
  p.setOpacity(0.25);
  p.drawImage(0, 0, pics.normal);
  p.setOpacity(1);
  p.setFont(QFont(QStringLiteral("DejaVu Sans"), 7));
  p.setPen(Qt::black);
  for (int i = 0; i < kAreaCount; ++i) {
    p.drawText(d.areas[i], Qt::AlignCenter, QString::number(i));
  }
  return out;
}

QImage OutlinePreview(const SkinDescription& d, const SkinPictures& pics) {
  QImage out(pics.normal.size(), QImage::Format_RGB32);
  QPainter p(&out);
  // A checkerboard where the window is cut away.
  for (int y = 0; y < out.height(); y += 8) {
    for (int x = 0; x < out.width(); x += 8) {
      p.fillRect(x, y, 8, 8, ((x + y) / 8) % 2 ? QColor(200, 200, 200) : QColor(240, 240, 240));
    }
  }
  p.setClipRegion(QRegion(d.outline, Qt::WindingFill));
  p.drawImage(0, 0, pics.normal);
  p.setClipping(false);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(255, 40, 160), 1));
  p.setBrush(Qt::NoBrush);
  p.drawPolygon(d.outline);
  p.setBrush(QColor(255, 40, 160));
  for (const QPoint& pt : d.outline) p.drawEllipse(QPointF(pt), 2.5, 2.5);
  return out;
}

QImage SampleGame(const SkinDescription& d, const SkinPictures& pics) {
  // The game's own drawing shows the skin: written out, loaded and drawn as at run time.
  QTemporaryDir dir;
  QString error;
  if (!dir.isValid() || !WriteSkinResources(d, pics, dir.path(), &error)) return {};
  // The files carry suffixes that the resource tree drops.
  for (const char* sub : {"string", "bitmap", "rcdata"}) {
    QDir folder(dir.filePath(sub));
    for (const QFileInfo& file : folder.entryInfoList(QDir::Files)) {
      QFile::rename(file.filePath(), folder.filePath(file.completeBaseName()));
    }
  }

  // A puzzle in progress: givens, a few decided cells and candidates.
  struct Game : CellSource {
    BoardRecord board;
    const BoardRecord& Board() const override { return board; }
    int Cursor() const override { return 40; }
  } game;
  auto solution = [](int cell) { return (cell / 9 * 3 + cell / 27 + cell % 9) % 9 + 1; };
  const char* const kGivens =
      "1..4..7.."
      ".5..8..2."
      "..9..3..6"
      "2..5..8.."
      "...9.....";
  for (int cell = 0; cell < 81; ++cell) {
    DigitSet& digits = game.board.cells[cell];
    if (cell < 45 && kGivens[cell] != '.') {
      digits = DigitBit(solution(cell));
      game.board.givens.Add(cell);
    } else if (cell % 9 == 0 || cell == 12 || cell == 31 || cell == 50) {
      digits = DigitBit(solution(cell));  // decided by the player
    } else if (cell >= 46 && cell % 4 == 1) {
      digits = DigitBit(solution(cell)) | DigitBit(solution(cell) % 9 + 1) | DigitBit(5);
    } else if (cell == 58) {
      digits = DigitBit(3);
      game.board.marked.Add(cell);  // a single added digit stays small until it is set
    } else if (cell == 64) {
      digits = kAllDigits;
    }
  }

  SkinView view;
  view.SetCellSource(&game);
  try {
    view.ApplySkin(dir.path());
  } catch (const TextError&) {
    return {};
  }
  for (int cell = 0; cell < 81; ++cell) view.RedrawCell(cell);  // givens in their own look
  view.ShowClock(754500);  // 0:12:34,5
  view.ShowClockSeparators(true);
  view.ShowCounter(42);
  view.UpdateGroupIndicator(1u << 0, 1u << 4, 1u << 4);
  // Memory points 1, 2 and 5 set; redo and "back to the start" disabled; set-5 held down.
  for (int area : {kMemoryArea, kMemoryArea + 1, kMemoryArea + 4, kCommandArea + 4,
                   kCommandArea + 5}) {
    view.DrawArea(area, true);
  }
  view.SetPressedArea(kSetDigitArea + 4);

  // Outside the outline there is no window.
  QImage shaped(view.Size(), QImage::Format_RGB32);
  shaped.fill(QColor(245, 245, 245));
  QPainter q(&shaped);
  q.setClipRegion(view.Outline());
  q.drawImage(0, 0, view.MainImage());
  return shaped;
}

}  // namespace sudoku::skin_painter
