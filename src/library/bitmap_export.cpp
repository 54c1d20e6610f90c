#include "library/bitmap_export.h"

#include <QPainter>
#include <QSaveFile>
#include <algorithm>
#include <cstring>

#include "base/texts.h"
#include "library/board_picture.h"

namespace sudoku {
namespace {

// The sixteen colours of the classic palette, in their usual order.
QList<QRgb> SixteenColours() {
  return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
          qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
          qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
          qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

// The sixteen colours, the picture's own 256-colour ones, a colour cube and greys.
QList<QRgb> TwoHundredFiftySixColours() {
  QList<QRgb> table = SixteenColours();
  table << qRgb(166, 202, 240) << qRgb(212, 0, 0);
  for (int r = 0; r < 6; ++r) {
    for (int g = 0; g < 6; ++g) {
      for (int b = 0; b < 6; ++b) {
        const QRgb c = qRgb(r * 51, g * 51, b * 51);
        if (!table.contains(c)) table << c;
      }
    }
  }
  for (int v = 4; v < 256 && table.size() < 256; v += 8) {
    if (!table.contains(qRgb(v, v, v))) table << qRgb(v, v, v);
  }
  return table;
}

QImage::Format ImageFormat(int bits) {
  switch (bits) {
    case 1:
      return QImage::Format_Mono;
    case 4:
    case 8:
      return QImage::Format_Indexed8;
    case 15:
      return QImage::Format_RGB555;
    case 16:
      return QImage::Format_RGB16;
    case 24:
      return QImage::Format_RGB888;
    default:
      return QImage::Format_RGB32;
  }
}

void Put16(QByteArray& out, uint32_t v) {
  out.append(static_cast<char>(v & 0xFF));
  out.append(static_cast<char>((v >> 8) & 0xFF));
}
void Put32(QByteArray& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

int BitsPerPixel(int pixelFormat) {
  constexpr int kBits[] = {1, 4, 8, 15, 16, 24, 32};
  return pixelFormat >= 1 && pixelFormat <= 7 ? kBits[pixelFormat - 1] : 24;
}

QImage BoardBitmap(const BoardRecord& board, int width, int height, int pixelFormat,
                   bool invNumBlock) {
  if (width <= 0 || height <= 0) return {};
  const int bits = BitsPerPixel(pixelFormat);
  // Palette pictures are drawn in true colour, then mapped onto their palette.
  const bool palette = bits <= 8;
  QImage image(width, height, palette ? QImage::Format_RGB32 : ImageFormat(bits));
  if (image.isNull()) return {};
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    PainterSurface surface(painter, !palette);
    DrawBoardPicture(surface, width, height, false, board, pixelFormat, 0, 0, invNumBlock);
  }
  if (bits == 1) {
    return image.convertToFormat(QImage::Format_Mono, {qRgb(0, 0, 0), qRgb(255, 255, 255)},
                                 Qt::ThresholdDither);
  }
  if (palette) {
    return image.convertToFormat(QImage::Format_Indexed8,
                                 bits == 4 ? SixteenColours() : TwoHundredFiftySixColours(),
                                 Qt::ThresholdDither);
  }
  return image;
}

bool WriteBmp(QIODevice& out, const QImage& source, int bitsPerPixel, int pixelsPerMetre) {
  const int bits = bitsPerPixel;
  const QImage::Format format = ImageFormat(bits);
  const QImage image = source.format() == format ? source : source.convertToFormat(format);
  if (image.isNull()) return false;
  const int width = image.width(), height = image.height();
  const int stored = bits == 15 ? 16 : bits;  // bits a pixel takes in the file
  const qint64 rowBytes = (static_cast<qint64>(width) * stored + 31) / 32 * 4;

  QByteArray colours;
  if (bits <= 8) {
    const QList<QRgb> table = image.colorTable();
    const int entries = 1 << bits;
    for (int i = 0; i < entries; ++i) {
      const QRgb c = i < table.size() ? table[i] : qRgb(0, 0, 0);
      colours.append(static_cast<char>(qBlue(c)));
      colours.append(static_cast<char>(qGreen(c)));
      colours.append(static_cast<char>(qRed(c)));
      colours.append('\0');
    }
  } else if (bits == 16) {
    // Five bits red, six green, five blue: given as masks.
    Put32(colours, 0xF800);
    Put32(colours, 0x07E0);
    Put32(colours, 0x001F);
  }
  const qint64 offset = 14 + 40 + colours.size();
  const qint64 fileSize = offset + rowBytes * height;
  if (fileSize > 0xFFFFFFFFLL) return false;

  QByteArray header;
  header.append("BM");
  Put32(header, static_cast<uint32_t>(fileSize));
  Put32(header, 0);
  Put32(header, static_cast<uint32_t>(offset));
  Put32(header, 40);
  Put32(header, static_cast<uint32_t>(width));
  Put32(header, static_cast<uint32_t>(height));  // positive: rows bottom up
  Put16(header, 1);
  Put16(header, static_cast<uint32_t>(stored));
  Put32(header, bits == 16 ? 3 : 0);  // bit fields, or plain
  Put32(header, static_cast<uint32_t>(rowBytes * height));
  Put32(header, static_cast<uint32_t>(std::max(pixelsPerMetre, 0)));
  Put32(header, static_cast<uint32_t>(std::max(pixelsPerMetre, 0)));
  Put32(header, bits <= 8 ? static_cast<uint32_t>(1 << bits) : 0);
  Put32(header, 0);
  header.append(colours);
  if (out.write(header) != header.size()) return false;

  QByteArray row(static_cast<qsizetype>(rowBytes), '\0');
  auto* data = reinterpret_cast<uint8_t*>(row.data());
  for (int y = height - 1; y >= 0; --y) {
    row.fill('\0');
    const uchar* line = image.constScanLine(y);
    switch (bits) {
      case 1: {
        const int bytes = (width + 7) / 8;
        std::memcpy(data, line, static_cast<size_t>(bytes));
        // The bits past the last pixel are left clear.
        if (width % 8) data[bytes - 1] &= static_cast<uint8_t>(0xFF << (8 - width % 8));
        break;
      }
      case 4:
        for (int x = 0; x < width; ++x) {
          const uint8_t index = line[x] & 0x0F;
          data[x / 2] |= static_cast<uint8_t>(x % 2 ? index : index << 4);
        }
        break;
      case 8:
        std::memcpy(data, line, static_cast<size_t>(width));
        break;
      case 15:
      case 16: {
        const auto* pixels = reinterpret_cast<const quint16*>(line);
        for (int x = 0; x < width; ++x) {
          data[2 * x] = static_cast<uint8_t>(pixels[x] & 0xFF);
          data[2 * x + 1] = static_cast<uint8_t>(pixels[x] >> 8);
        }
        break;
      }
      case 24:
        for (int x = 0; x < width; ++x) {
          data[3 * x] = line[3 * x + 2];
          data[3 * x + 1] = line[3 * x + 1];
          data[3 * x + 2] = line[3 * x];
        }
        break;
      default: {
        const auto* pixels = reinterpret_cast<const QRgb*>(line);
        for (int x = 0; x < width; ++x) {
          data[4 * x] = static_cast<uint8_t>(qBlue(pixels[x]));
          data[4 * x + 1] = static_cast<uint8_t>(qGreen(pixels[x]));
          data[4 * x + 2] = static_cast<uint8_t>(qRed(pixels[x]));
        }
        break;
      }
    }
    if (out.write(row) != row.size()) return false;
  }
  return true;
}

void SaveBoardBitmap(const QString& fileName, const BoardRecord& board, int width, int height,
                     int pixelFormat, bool invNumBlock, int pixelsPerMetre) {
  const QImage image = BoardBitmap(board, width, height, pixelFormat, invNumBlock);
  QSaveFile file(fileName);
  if (image.isNull() || !file.open(QIODevice::WriteOnly) ||
      !WriteBmp(file, image, BitsPerPixel(pixelFormat), pixelsPerMetre) || !file.commit()) {
    throw TextError(532);
  }
}

}  // namespace sudoku
