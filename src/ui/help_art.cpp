#include "ui/help_art.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <array>
#include <cmath>

#include "skin/skin_view.h"
#include "ui/program_art.h"

namespace sudoku {
namespace {

// ---- Method examples -------------------------------------------------------------------------

// One cell of an example, written as a short token:
//   "."        a cell that does not matter for the example (greyed)
//   ""         an empty cell
//   "5*"       a given 5
//   "5"        a decided 5;  "158" the candidates 1, 5 and 8
//   "?"        the cell the method is about to decide
// Digits after "/" are struck out, digits after "^" stand out; a leading "!" marks a cell that
// causes the change, a leading "+" a cell that the method changed.
struct Cell {
  uint16_t digits = 0, struck = 0, strong = 0;
  bool given = false, outside = false, target = false;
  int mark = 0;  // 0 none, 1 cause, 2 changed
};

Cell ParseCell(const char* token) {
  Cell cell;
  const char* s = token;
  if (*s == '.') {
    cell.outside = true;
    return cell;
  }
  if (*s == '!') {
    cell.mark = 1;
    ++s;
  } else if (*s == '+') {
    cell.mark = 2;
    ++s;
  }
  if (*s == '?') {
    cell.target = true;
    return cell;
  }
  uint16_t* into = &cell.digits;
  for (; *s; ++s) {
    if (*s >= '1' && *s <= '9') {
      *into |= static_cast<uint16_t>(1u << (*s - '0'));
    } else if (*s == '*') {
      cell.given = true;
    } else if (*s == '/') {
      into = &cell.struck;
    } else if (*s == '^') {
      into = &cell.strong;
    }
  }
  return cell;
}

struct Example {
  int rows;  // 1: one row, 3: a band of three rows
  std::array<const char*, 27> before;
  std::array<const char*, 27> after;
};

// Each example is true to its method: the "after" board is what the method makes of "before".
const std::array<Example, 6>& Examples() {
  constexpr const char* kAll = "+123456789";  // filled with all nine digits
  static const std::array<Example, 6> examples = {{
      // 1: every empty cell gets all nine digits.
      {3,
       {"5*", "3*", "",   "",   "7*", "",   "", "",   "",  //
        "6*", "",   "",   "1*", "9*", "5*", "", "",   "",  //
        "",   "9*", "8*", "",   "",   "",   "", "6*", ""},
       {"5*", "3*", kAll, kAll, "7*", kAll, kAll, kAll, kAll,  //
        "6*", kAll, kAll, "1*", "9*", "5*", kAll, kAll, kAll,  //
        kAll, "9*", "8*", kAll, kAll, kAll, kAll, "6*", kAll}},
      // 2: the 3 of rows 0 and 1 must go into row 2 of the left block, where only one cell is
      // free.
      {3,
       {"",  "",    "",    "4*", "!3*", ".", ".",   ".",  "9*",  //
        "",  "",    "",    ".",  ".",   ".", "!3*", "1*", ".",   //
        "?", "!5*", "!8*", ".",  ".",   ".", ".",   ".",  "."},
       {"",   "",   "",   "4*", "3*", ".", ".",  ".",  "9*",  //
        "",   "",   "",   ".",  ".",  ".", "3*", "1*", ".",   //
        "+3", "5*", "8*", ".",  ".",  ".", ".",  ".",  "."}},
      // 3: the fixed 5, 2 and 7 leave the other cells of the row.
      {1,
       {"!5*", "159/5", "!2*", "3478/7", "249/2", "!7", "136", "468", "3569/5"},
       {"5*", "+19", "2*", "+348", "+49", "7", "136", "468", "+369"}},
      // 4: only one cell of the row can still take the 7.
      {1,
       {"3*", "148", "158", "6*", "!2478^7", "25", "9*", "124", "458"},
       {"3*", "148", "158", "6*", "+7", "25", "9*", "124", "458"}},
      // 5: the 4 of the top row lies only in the left block, so the block's other rows lose it.
      {3,
       {"!14^4", "6*",    "!48^4", "2*", "138", "9*", "5*", "137", "378",  //
        "347/4", "2*",    "49/4",  ".",  ".",   ".",  ".",  ".",   ".",    //
        "37",    "479/4", "5*",    ".",  ".",   ".",  ".",  ".",   "."},
       {"14",  "6*",  "48", "2*", "138", "9*", "5*", "137", "378",  //
        "+37", "2*",  "+9", ".",  ".",   ".",  ".",  ".",   ".",    //
        "37",  "+79", "5*", ".",  ".",   ".",  ".",  ".",   "."}},
      // 6: two cells hold exactly {4, 8}: no other cell of the row can take 4 or 8.
      {1,
       {"!48", "1*", "3468/48", "!48", "9*", "238/8", "7*", "245/4", "356"},
       {"48", "1*", "+36", "48", "9*", "+23", "7*", "+25", "356"}},
  }};
  return examples;
}

constexpr int kCell = 33;
constexpr int kBorder = 2;

// Left (or top) edge of cell i: thin lines inside a block, thick ones between blocks.
int CellOffset(int i) {
  return kBorder + i * (kCell + 1) + i / 3;
}
int GridSpan(int n) {
  return CellOffset(n - 1) + kCell + kBorder;
}

QFont PixelFont(int pixels, bool bold, const QString& family = "Liberation Sans") {
  QFont font(family);
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

void DrawCell(QPainter& p, const QRect& r, const Cell& cell, bool keypadOrder) {
  QColor face(252, 250, 243);
  if (cell.outside) face = QColor(206, 206, 206);
  if (cell.given) face = QColor(224, 229, 240);
  if (cell.target) face = QColor(255, 216, 172);
  if (cell.mark == 1) face = QColor(255, 231, 125);
  if (cell.mark == 2) face = QColor(193, 236, 180);
  p.fillRect(r, face);
  if (cell.target) {
    p.setFont(PixelFont(20, true));
    p.setPen(QColor(200, 90, 0));
    p.drawText(r, Qt::AlignCenter, "?");
    return;
  }
  int count = 0;
  for (int d = 1; d <= 9; ++d) count += (cell.digits >> d) & 1;
  if (count == 1 && !cell.struck && !cell.strong) {
    int digit = 1;
    while (!((cell.digits >> digit) & 1)) ++digit;
    p.setFont(PixelFont(22, true));
    p.setPen(cell.given ? QColor(25, 25, 25) : QColor(28, 78, 190));
    p.drawText(r, Qt::AlignCenter, QString::number(digit));
    return;
  }
  // Small candidates on a 3 x 3 pattern, as on the board.
  const int sub = kCell / 3;
  for (int d = 1; d <= 9; ++d) {
    if (!((cell.digits >> d) & 1)) continue;
    const int row = (d - 1) / 3, column = (d - 1) % 3;
    const int shownRow = keypadOrder ? 2 - row : row;
    const QRect box(r.left() + column * sub, r.top() + shownRow * sub, sub, sub);
    const bool struck = (cell.struck >> d) & 1;
    const bool strong = (cell.strong >> d) & 1;
    if (strong) {
      p.setRenderHint(QPainter::Antialiasing);
      p.setPen(QPen(QColor(140, 0, 140), 1));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
      p.setRenderHint(QPainter::Antialiasing, false);
    }
    QFont small = PixelFont(11, strong || struck);
    if (!strong && !struck) small.setWeight(QFont::DemiBold);
    small.setStrikeOut(struck);
    p.setFont(small);
    p.setPen(struck ? QColor(205, 25, 25) : strong ? QColor(140, 0, 140) : QColor(60, 60, 60));
    p.drawText(box, Qt::AlignCenter, QString::number(d));
  }
}

// ---- Small helpers for the drawn pictures ------------------------------------------------------

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour, double width = 2) {
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(from, to);
  const QPointF d = to - from;
  const double length = std::hypot(d.x(), d.y());
  if (length <= 0) return;
  const QPointF u = d / length, n(-u.y(), u.x());
  const double head = 4 + width * 2;
  QPolygonF tip({to, to - u * head + n * head * 0.55, to - u * head - n * head * 0.55});
  p.setBrush(colour);
  p.setPen(Qt::NoPen);
  p.drawPolygon(tip);
}

QImage Transparent(int w, int h, qreal ratio) {
  return ArtImage(QSize(w, h), ratio, true);
}

QImage StandIn(const QSize& size, const QString& caption, qreal ratio) {
  QImage image = Transparent(size.width(), size.height(), ratio);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient g(0, 0, 0, size.height());
  g.setColorAt(0, QColor(250, 247, 238));
  g.setColorAt(1, QColor(222, 214, 192));
  p.setBrush(g);
  p.setPen(QPen(QColor(120, 110, 90), 1));
  p.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 6, 6);
  p.setPen(QColor(50, 50, 60));
  p.setFont(PixelFont(13, true));
  p.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, caption);
  return image;
}

void AddArea(QRect& r, const QRect& area) {
  if (area.width() > 0 && area.height() > 0) r |= area;
}

}  // namespace

QImage MethodPicture(int method, bool after, bool keypadOrder, qreal ratio) {
  const Example& example = Examples()[static_cast<size_t>(std::clamp(method, 0, 5))];
  const int w = GridSpan(9), h = GridSpan(example.rows);
  QImage image = ArtImage(QSize(w, h), ratio, false);
  image.fill(QColor(45, 45, 58));
  QPainter p(&image);
  // The lighter lines inside each block; the dark ground stays between blocks.
  for (int band = 0; band < (example.rows + 2) / 3; ++band) {
    for (int stack = 0; stack < 3; ++stack) {
      const int rows = std::min(3, example.rows - band * 3);
      const QRect block(CellOffset(stack * 3), CellOffset(band * 3), 3 * kCell + 2,
                        rows * kCell + rows - 1);
      p.fillRect(block, QColor(175, 175, 182));
    }
  }
  const auto& tokens = after ? example.after : example.before;
  for (int row = 0; row < example.rows; ++row) {
    for (int column = 0; column < 9; ++column) {
      const QRect r(CellOffset(column), CellOffset(row), kCell, kCell);
      DrawCell(p, r, ParseCell(tokens[static_cast<size_t>(row * 9 + column)]), keypadOrder);
    }
  }
  return image;
}

QImage CalculationChainPicture(qreal ratio) {
  constexpr int kW = 601, kH = 118;
  QImage image = Transparent(kW, kH, ratio);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QString names[6] = {"Füllen mit 1..9",      "Benachbarte Sp./Zl.", "Bereinigen",
                            "Einmaliges Vorkommen", "3x3er-Gruppe",        "Gleiche x Ziffern"};
  constexpr int kBoxW = 82, kBoxH = 48, kGap = 18, kTop = 14;
  constexpr int kLeft = (kW - (6 * kBoxW + 5 * kGap)) / 2;
  const QColor ink(70, 60, 80), purple(128, 0, 128);
  auto box = [&](int i) { return QRectF(kLeft + i * (kBoxW + kGap), kTop, kBoxW, kBoxH); };
  for (int i = 0; i < 6; ++i) {
    const QRectF r = box(i);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, i == 0 ? QColor(232, 240, 252) : QColor(255, 251, 234));
    g.setColorAt(1, i == 0 ? QColor(196, 214, 240) : QColor(240, 226, 186));
    p.setBrush(g);
    p.setPen(QPen(i == 0 ? QColor(60, 90, 150) : purple, 1.4));
    p.drawRoundedRect(r, 7, 7);
    p.setPen(ink);
    p.setFont(PixelFont(11, true));
    p.drawText(r.adjusted(4, 12, -4, -2), Qt::AlignCenter | Qt::TextWordWrap, names[i]);
    // The method's number as a badge on the box's corner.
    const QRectF badge(r.left() - 6, r.top() - 8, 18, 18);
    p.setBrush(i == 0 ? QColor(60, 90, 150) : purple);
    p.setPen(QPen(Qt::white, 1.2));
    p.drawEllipse(badge);
    p.setFont(PixelFont(11, true));
    p.drawText(badge, Qt::AlignCenter, QString::number(i + 1));
    if (i > 0) {
      Arrow(p, QPointF(box(i - 1).right() + 2, r.center().y()),
            QPointF(r.left() - 3, r.center().y()), ink, 1.6);
    }
  }
  // After any change the chain starts again at method 2.
  const double rail = kTop + kBoxH + 22;
  p.setPen(QPen(purple, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  for (int i = 2; i < 6; ++i) {
    p.drawLine(QPointF(box(i).center().x(), box(i).bottom() + 1),
               QPointF(box(i).center().x(), rail));
  }
  p.drawLine(QPointF(box(5).center().x(), rail), QPointF(box(1).center().x(), rail));
  Arrow(p, QPointF(box(1).center().x(), rail), QPointF(box(1).center().x(), box(1).bottom() + 2),
        purple, 1.6);
  p.setPen(purple);
  p.setFont(PixelFont(11, false));
  p.drawText(QRectF(box(1).center().x(), rail + 3, box(5).center().x() - box(1).center().x(), 16),
             Qt::AlignCenter, "nach jeder Änderung zurück zu Methode 2");
  return image;
}

QImage AboutPicture(const QString& version, qreal ratio) {
  constexpr int kW = 601, kH = 460;
  QImage image = ArtImage(QSize(kW, kH), ratio, false);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  QLinearGradient sky(0, 0, kW, kH);
  sky.setColorAt(0, QColor(42, 68, 108));
  sky.setColorAt(1, QColor(14, 24, 44));
  p.fillRect(QRect(0, 0, kW, kH), sky);

  // Faint digits drifting in the background, always in the same places.
  uint32_t seed = 1909;
  auto next = [&seed](int range) {
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 16) % static_cast<uint32_t>(range));
  };
  for (int i = 0; i < 46; ++i) {
    const int size = 18 + next(40);
    p.setFont(PixelFont(size, true));
    p.setPen(QColor(255, 255, 255, 6 + next(9)));
    p.drawText(QPoint(next(kW), next(kH)), QString::number(1 + next(9)));
  }

  // A tilted board with a game in progress.
  const char* solution =
      "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
  const char* givens =
      "530070000600195000098000060800060003400803001700020006060000280000419005000080079";
  // Cells the player has already decided.
  const char* decided =
      "000101000001000100100000100000100000010000010000001000000100000001000100000000000";
  p.save();
  p.translate(176, 236);
  p.rotate(-9);
  constexpr double kCellSize = 27, kGapSize = 1, kBlockGap = 3;
  const double span = 9 * kCellSize + 6 * kGapSize + 2 * kBlockGap;
  const QRectF board(-span / 2, -span / 2, span, span);
  p.setPen(Qt::NoPen);
  for (int s = 12; s > 0; s -= 3) {
    p.setBrush(QColor(0, 0, 0, 22));
    p.drawRoundedRect(board.adjusted(-8, -8, 8, 8).translated(s * 0.6, s), 10, 10);
  }
  p.setBrush(QColor(30, 40, 58));
  p.drawRoundedRect(board.adjusted(-8, -8, 8, 8), 10, 10);
  auto offset = [&](int i) { return i * kCellSize + (i - i / 3) * kGapSize + (i / 3) * kBlockGap; };
  for (int cell = 0; cell < 81; ++cell) {
    const int row = cell / 9, column = cell % 9;
    const QRectF r(board.left() + offset(column), board.top() + offset(row), kCellSize, kCellSize);
    const bool given = givens[cell] != '0';
    const bool cursor = cell == 40;
    p.setPen(Qt::NoPen);
    p.setBrush(given ? QColor(226, 231, 242) : QColor(252, 249, 240));
    p.drawRect(r);
    if (cursor) {
      p.setPen(QPen(QColor(240, 150, 40), 2.5));
      p.setBrush(Qt::NoBrush);
      p.drawRect(r.adjusted(1.5, 1.5, -1.5, -1.5));
    }
    if (given || decided[cell] != '0') {
      p.setFont(PixelFont(17, true));
      p.setPen(given ? QColor(25, 25, 30) : QColor(28, 78, 190));
      p.drawText(r, Qt::AlignCenter, QString(QChar(solution[cell])));
    } else if (cell % 7 == 3 || cell == 40) {
      // A few cells still hold candidates: the solution and two more.
      const int d = solution[cell] - '0';
      const int others[2] = {d % 9 + 1, (d + 4) % 9 + 1};
      p.setFont(PixelFont(8, false));
      p.setPen(QColor(80, 80, 90));
      for (int k : {d, others[0], others[1]}) {
        const int r3 = 2 - (k - 1) / 3, c3 = (k - 1) % 3;
        p.drawText(QRectF(r.left() + c3 * 9, r.top() + r3 * 9, 9, 9), Qt::AlignCenter,
                   QString::number(k));
      }
    }
  }
  p.restore();

  // The title with a warm gradient and a soft shadow.
  QFont title("Arial Black");
  title.setWeight(QFont::Black);
  title.setPixelSize(72);
  QPainterPath text;
  text.addText(0, 0, title, "Sudoku");
  const QRectF bounds = text.boundingRect();
  const QPointF at(447 - bounds.width() / 2 - bounds.left(), 150);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 90));
  p.drawPath(text.translated(at + QPointF(3, 4)));
  QLinearGradient warm(0, at.y() + bounds.top(), 0, at.y() + bounds.bottom());
  warm.setColorAt(0, QColor(255, 222, 120));
  warm.setColorAt(1, QColor(236, 138, 36));
  p.setBrush(warm);
  p.drawPath(text.translated(at));

  p.setPen(QColor(222, 230, 245));
  p.setFont(PixelFont(19, false));
  p.drawText(QRect(312, 168, 270, 28), Qt::AlignHCenter, "Logisch lösen,");
  p.drawText(QRect(312, 194, 270, 28), Qt::AlignHCenter, "Schritt für Schritt");
  p.setPen(QColor(240, 170, 60));
  p.setFont(PixelFont(17, true));
  p.drawText(QRect(312, 244, 270, 26), Qt::AlignHCenter, "Version " + version);
  p.setPen(QColor(170, 186, 212));
  p.setFont(PixelFont(13, false));
  p.drawText(QRect(312, 300, 270, 70), Qt::AlignHCenter | Qt::TextWordWrap,
             "80 Vorlagen in je 72 Varianten,\neigene Sudokus, sechs Lösungsmethoden\n"
             "und eine Hall of Fame");
  p.setPen(QColor(140, 156, 182));
  p.setFont(PixelFont(12, false));
  p.drawText(QRect(312, 420, 270, 20), Qt::AlignHCenter, QString::fromUtf8("© Quillbrook"));
  p.setPen(QPen(QColor(255, 255, 255, 40), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(0.5, 0.5, kW - 1, kH - 1));
  return image;
}

QImage WebSign(qreal ratio) {
  QImage image = Transparent(48, 48, ratio);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient g(QPointF(18, 16), 26);
  g.setColorAt(0, QColor(120, 180, 240));
  g.setColorAt(1, QColor(30, 80, 160));
  p.setBrush(g);
  p.setPen(QPen(QColor(20, 50, 110), 1.5));
  const QRectF globe(5, 5, 38, 38);
  p.drawEllipse(globe);
  p.setPen(QPen(QColor(255, 255, 255, 200), 1.3));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(16, 5, 16, 38));
  p.drawLine(QPointF(24, 5), QPointF(24, 43));
  p.drawLine(QPointF(5, 24), QPointF(43, 24));
  p.drawArc(QRectF(8, -2, 32, 20), 200 * 16, 140 * 16);
  p.drawArc(QRectF(8, 30, 32, 20), 20 * 16, 140 * 16);
  return image;
}

QImage MailSign(qreal ratio) {
  QImage image = Transparent(48, 48, ratio);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF letter(4, 10, 40, 28);
  QLinearGradient g(letter.topLeft(), letter.bottomLeft());
  g.setColorAt(0, QColor(255, 252, 240));
  g.setColorAt(1, QColor(232, 222, 196));
  p.setBrush(g);
  p.setPen(QPen(QColor(110, 90, 60), 1.5));
  p.drawRoundedRect(letter, 3, 3);
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygonF(
      {letter.topLeft() + QPointF(1, 1), QPointF(24, 27), letter.topRight() + QPointF(-1, 1)}));
  p.drawLine(letter.bottomLeft() + QPointF(1, -1), QPointF(18, 23));
  p.drawLine(letter.bottomRight() + QPointF(-1, -1), QPointF(30, 23));
  p.setBrush(QColor(128, 0, 128));
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(24, 29), 3, 3);
  return image;
}

QRect GuiPartRect(const SkinView& skin, int part) {
  const SkinLayout& layout = skin.Layout();
  QRect r;
  auto areas = [&](int first, int last) {
    for (int code = first; code <= last; ++code)
      AddArea(r, layout.areas[static_cast<size_t>(code)]);
  };
  switch (part) {
    case 0:
      areas(126, 128);
      break;
    case 1:
      areas(0, 8);
      break;
    case 2:
      areas(9, 17);
      break;
    case 3:
      areas(18, 26);
      break;
    case 4:
      areas(45, 125);
      break;
    case 5:
      for (const QRect& slot : layout.displaySlots) AddArea(r, slot);
      AddArea(r, layout.indicatorFrame);
      break;
    case 6:
      areas(36, 44);
      break;
    case 7:
      areas(27, 35);
      break;
    default:
      break;
  }
  if (r.isEmpty()) return {};
  // A little of the surroundings makes the part recognisable.
  return r.adjusted(-6, -6, 6, 6) & skin.ImageNormState().rect();
}

QImage GuiPartPicture(const SkinView& skin, int part, qreal ratio) {
  const QRect r = GuiPartRect(skin, part);
  if (r.isEmpty()) return StandIn(QSize(64, 32), QString::number(part + 1), ratio);
  return skin.PictureCut(false, r, ratio);
}

QImage CommandPicture(const SkinView& skin, int button, const QString& caption, qreal ratio) {
  const QRect area = skin.Layout().areas[static_cast<size_t>(36 + std::clamp(button, 0, 8))];
  const QRect r = area.adjusted(-3, -3, 3, 3) & skin.ImageNormState().rect();
  if (area.width() < 16 || area.height() < 12 || r.isEmpty()) {
    return StandIn(QSize(124, 36), caption, ratio);
  }
  return skin.PictureCut(false, r, ratio);
}

QImage SkinPicture(const SkinView& skin, qreal ratio) {
  const QSize size = skin.Size();
  QImage image = Transparent(size.width(), size.height(), ratio);
  QPainter p(&image);
  p.setClipRegion(skin.Outline());
  p.drawImage(QRectF(QPointF(0, 0), QSizeF(size)),
              skin.PictureCut(false, QRect(QPoint(0, 0), size), ratio));
  return image;
}

}  // namespace sudoku
