#pragma once
// Windows bitmaps as the game reads them: bottom-up rows, 24-bit true colour or
// 8-bit with a 256-entry palette. We write the bytes ourselves so the header is
// exactly what the table asks for, whatever Qt's writer would choose.
#include <QByteArray>
#include <QImage>

namespace orv::assetgen {

// Reduces a picture to 256 colours: the most used flat colours are kept exact
// (panels stay clean), the rest comes from a median cut, and gradients are
// error-diffused. Deterministic: the same picture gives the same bytes.
QImage QuantizeTo256(const QImage& picture);

// The whole .bmp file. bitsPerPixel is 8 or 24; for 8 the picture is quantised
// unless it already is Format_Indexed8.
QByteArray EncodeBmp(const QImage& picture, int bitsPerPixel);

// Reads back the header of an encoded bitmap; false when it is not a bitmap of
// this size and depth. Guards against writer mistakes before a file lands.
bool CheckBmpHeader(const QByteArray& bytes, int width, int height, int bitsPerPixel);

}  // namespace orv::assetgen
