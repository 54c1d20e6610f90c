#pragma once
// Writes small skins with known pictures and tables, as a folder tree or as a module file.

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QString>
#include <array>
#include <optional>

namespace sudoku::test {

// A 300 x 360 window: the 81 cells as 30 x 30 squares in the top 270 pixels, the other 48
// areas as 10 x 10 squares in rows below, the displays and glyphs further down.
struct SyntheticSkin {
  QString name = "Test";
  std::optional<QString> copyright = QString("(c) tests");
  QColor normalFace = QColor(220, 220, 220);
  QColor extendedFace = QColor(250, 240, 150);
  std::array<QColor, 5> colours = {QColor(10, 20, 30), QColor(0, 0, 255), QColor(204, 0, 0),
                                   QColor(255, 144, 0), QColor(255, 0, 0)};
  bool withCellTextTable = true;
  bool withOutline = true;
  int glyphWidthDelta = 0;  // makes digit glyphs narrower than their slots
  std::optional<int> dropTable;   // a raw table left out
  std::optional<int> dropBitmap;  // a picture left out
  bool dropName = false;
  // 2x pictures ("bitmap/100@2x", "bitmap/101@2x") with faces of their own, to tell them apart.
  bool withDoubled = false;
  QSize doubledSize = QSize(2 * kWidth, 2 * kHeight);
  QColor doubledNormalFace = QColor(200, 210, 220);
  QColor doubledExtendedFace = QColor(240, 230, 140);
  QStringList rccOptions;  // format version and compression of a module

  static constexpr int kWidth = 300, kHeight = 360;

  static QRect Area(int code) {
    if (code >= 45 && code <= 125) {
      const int cell = code - 45;
      return QRect((cell % 9) * 30, (cell / 9) * 30, 30, 30);
    }
    const int i = code < 45 ? code : code - 81;  // 0-47
    return QRect((i % 24) * 12 + 2, 272 + (i / 24) * 12, 10, 10);
  }
  static int Id(int code) {
    if (code <= 35) return code;
    if (code <= 44) return code + 14;
    if (code <= 125) return code + 55;
    return code + 74;
  }
  static QRect Slot(int slot) {
    const bool separator = slot == 1 || slot == 4 || slot == 7;
    return QRect(2 + slot * 14, 300, separator ? 4 : 10, 14);
  }
  static QRect Glyph(int glyph) {
    const bool narrow = glyph >= 11;
    return QRect(2 + glyph * 14, 320, narrow ? 4 : 10, 14);
  }
  // The colour each glyph is painted in, to recognise it in a slot.
  static QColor GlyphColour(int glyph) { return QColor(20 + glyph * 15, 100, 200 - glyph * 10); }
  static QColor MarkColour(int kind) { return QColor(0, 160 + kind * 30, 0); }
  static QRect Mark(int i) { return QRect(200 + (i % 9) * 10, 300 + (i / 9) * 10, 8, 8); }
  static QRect MarkSource(int kind) { return QRect(250 + kind * 10, 340, 8, 8); }

  void Write(const QString& dir) const {
    QDir().mkpath(dir + "/string");
    QDir().mkpath(dir + "/bitmap");
    QDir().mkpath(dir + "/rcdata");
    if (!dropName) File(dir + "/string/100", name.toUtf8());
    if (copyright) File(dir + "/string/101", copyright->toUtf8());

    QImage mask(kWidth, kHeight, QImage::Format_RGB32);
    mask.fill(Qt::white);
    QPainter m(&mask);
    for (int code = 0; code < 129; ++code) m.fillRect(Area(code), QColor(Id(code), 0, 0));
    m.end();
    // The two looks of a window `size` pixels large.
    const auto looks = [&](const QSize& size, const QColor& normalFace,
                           const QColor& extendedFace) {
      QImage normal(size, QImage::Format_RGB32), extended = normal;
      normal.fill(normalFace);
      extended.fill(extendedFace);
      QPainter e(&extended);
      e.scale(double(size.width()) / kWidth, double(size.height()) / kHeight);
      for (int g = 0; g < 14; ++g) {
        QRect r = Glyph(g);
        if (g <= 10) r.setWidth(r.width() + glyphWidthDelta);
        e.fillRect(r, GlyphColour(g));
      }
      for (int k = 0; k < 3; ++k) e.fillRect(MarkSource(k), MarkColour(k));
      e.end();
      return std::pair{normal, extended};
    };
    const auto [normal, extended] = looks(QSize(kWidth, kHeight), normalFace, extendedFace);
    if (dropBitmap != 100) normal.save(dir + "/bitmap/100", "PNG");
    if (dropBitmap != 101) extended.save(dir + "/bitmap/101", "PNG");
    if (dropBitmap != 102) mask.save(dir + "/bitmap/102", "PNG");
    if (withDoubled) {
      const auto [normal2, extended2] = looks(doubledSize, doubledNormalFace, doubledExtendedFace);
      normal2.save(dir + "/bitmap/100@2x", "PNG");
      extended2.save(dir + "/bitmap/101@2x", "PNG");
    }

    QByteArray ids, areas, text, displays, indicator, outline;
    for (int code = 0; code < 129; ++code) {
      Word(ids, Id(code));
      Rect(areas, Area(code));
    }
    for (int cell = 0; cell < 81; ++cell) {
      Rect(text, Area(45 + cell).adjusted(5, 5, -5, -5).translated(1, 1));
    }
    for (int slot = 0; slot < 12; ++slot) Rect(displays, Slot(slot));
    for (int g = 0; g < 14; ++g) {
      QRect r = Glyph(g);
      if (g <= 10) r.setWidth(r.width() + glyphWidthDelta);
      Rect(displays, r);
    }
    for (const QColor& c : colours) {
      displays.append(static_cast<char>(c.red()));
      displays.append(static_cast<char>(c.green()));
      displays.append(static_cast<char>(c.blue()));
      displays.append('\0');
    }
    for (int i = 0; i < 27; ++i) Rect(indicator, Mark(i));
    for (int k = 0; k < 3; ++k) Rect(indicator, MarkSource(k));
    for (QPoint p : {QPoint(5, 0), QPoint(295, 0), QPoint(300, 355), QPoint(0, 360)}) {
      Word(outline, p.x());
      Word(outline, p.y());
    }
    Word(outline, -1);
    const std::pair<int, QByteArray> tables[] = {
        {100, ids}, {101, areas}, {102, text}, {103, displays}, {104, indicator}, {105, outline}};
    for (const auto& [id, data] : tables) {
      if (dropTable == id) continue;
      if (id == 102 && !withCellTextTable) continue;
      if (id == 105 && !withOutline) continue;
      File(dir + "/rcdata/" + QString::number(id), data);
    }
  }

  // A module file: the tree under the prefix /skin, compiled by rcc.
  bool WriteModule(const QString& work, const QString& file, const QString& rcc) const {
    Write(work + "/skin");
    QString qrc = "<RCC><qresource prefix=\"/\">\n";
    QDir tree(work);
    for (const char* sub : {"string", "bitmap", "rcdata"}) {
      for (const QString& f : QDir(work + "/skin/" + QString(sub)).entryList(QDir::Files)) {
        qrc += "<file>skin/" + QString(sub) + "/" + f + "</file>\n";
      }
    }
    qrc += "</qresource></RCC>\n";
    File(work + "/skin.qrc", qrc.toUtf8());
    QProcess p;
    p.setWorkingDirectory(work);
    p.start(rcc, QStringList{"--binary", "skin.qrc", "-o", file} + rccOptions);
    return p.waitForFinished(30000) && p.exitCode() == 0;
  }

  static void Word(QByteArray& b, int v) {
    b.append(static_cast<char>(v & 0xFF));
    b.append(static_cast<char>((v >> 8) & 0xFF));
  }
  static void Rect(QByteArray& b, const QRect& r) {
    Word(b, r.x());
    Word(b, r.y());
    Word(b, r.width());
    Word(b, r.height());
  }
  static void File(const QString& path, const QByteArray& data) {
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(data);
  }
};

}  // namespace sudoku::test
