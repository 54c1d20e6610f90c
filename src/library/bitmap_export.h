#pragma once
// The board as a BMP file in one of the seven pixel formats of the bitmap export:
// 1 monochrome, 2 sixteen colours, 3 256 colours, 4 15 bits, 5 16 bits, 6 24 bits, 7 32 bits
// per pixel. The pixel format is also the picture's colour depth.

#include <QIODevice>
#include <QImage>
#include <QString>

#include "model/board.h"

namespace sudoku {

// Bits per pixel of a pixel format 1-7 (15 for the 5-5-5 format); 24 for anything else.
int BitsPerPixel(int pixelFormat);

// The board drawn into an image of that size, in the image format that holds the pixel
// format: Mono, Indexed8 (16 or 256 colours), RGB555, RGB16, RGB888 or RGB32. A null image
// when the memory for it cannot be had.
QImage BoardBitmap(const BoardRecord& board, int width, int height, int pixelFormat,
                   bool invNumBlock);

// Writes the image as a BMP file of that many bits per pixel (1, 4, 8, 15, 16, 24 or 32),
// with the resolution in pixels per metre. The image must be in the format BoardBitmap
// gives for it. False when the device refuses the bytes.
bool WriteBmp(QIODevice& out, const QImage& image, int bitsPerPixel, int pixelsPerMetre);

// Draws and writes the file, replacing it only once all is written; TextError(532) when that
// fails.
void SaveBoardBitmap(const QString& fileName, const BoardRecord& board, int width, int height,
                     int pixelFormat, bool invNumBlock, int pixelsPerMetre);

}  // namespace sudoku
