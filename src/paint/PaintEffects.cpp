#include "paint/PaintEffects.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "core/Fatal.h"

namespace orv::paint {
namespace {

constexpr Long kWhite = 0x00FFFFFF;
constexpr QRgb kOpaque = 0xFF000000u;
constexpr QRgb kRgbBits = 0x00FFFFFFu;

// The classic desktop scheme. The pictures were drawn against it, so a system
// colour means the same on every machine, whatever the user's theme.
constexpr std::array<Long, 0x19> kSystemColors = {
    Rgb(192, 192, 192),  // 0x00 scroll bar
    Rgb(0, 128, 128),    // 0x01 desktop
    Rgb(0, 0, 128),      // 0x02 active caption
    Rgb(128, 128, 128),  // 0x03 inactive caption
    Rgb(192, 192, 192),  // 0x04 menu
    Rgb(255, 255, 255),  // 0x05 window
    Rgb(0, 0, 0),        // 0x06 window frame
    Rgb(0, 0, 0),        // 0x07 menu text
    Rgb(0, 0, 0),        // 0x08 window text
    Rgb(255, 255, 255),  // 0x09 caption text
    Rgb(192, 192, 192),  // 0x0A active border
    Rgb(192, 192, 192),  // 0x0B inactive border
    Rgb(128, 128, 128),  // 0x0C application workspace
    Rgb(0, 0, 128),      // 0x0D selection
    Rgb(255, 255, 255),  // 0x0E selected text
    Rgb(192, 192, 192),  // 0x0F button face
    Rgb(128, 128, 128),  // 0x10 button shadow
    Rgb(128, 128, 128),  // 0x11 grey text
    Rgb(0, 0, 0),        // 0x12 button text
    Rgb(192, 192, 192),  // 0x13 inactive caption text
    Rgb(255, 255, 255),  // 0x14 button highlight
    Rgb(0, 0, 0),        // 0x15 3-D dark shadow
    Rgb(192, 192, 192),  // 0x16 3-D light
    Rgb(0, 0, 0),        // 0x17 tooltip text
    Rgb(255, 255, 225),  // 0x18 tooltip background
};

// 0x00BBGGRR to the 0x00RRGGBB of a 32-bit image word, after translation.
QRgb wordOf(Long color) {
    const auto c = static_cast<std::uint32_t>(TranslateColor(color));
    return (c & 0xFFu) << 16 | (c & 0xFF00u) | (c >> 16 & 0xFFu);
}

bool isWordFormat(QImage::Format f) {
    return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
           f == QImage::Format_ARGB32_Premultiplied;
}

// The source as 32-bit words with its true colours; a picture already in that
// layout is shared, not copied, which keeps the per-cell painting cheap.
QImage sourceWords(const QImage& src) {
    if (src.format() == QImage::Format_RGB32 || src.format() == QImage::Format_ARGB32) return src;
    return src.convertToFormat(QImage::Format_ARGB32);
}

// The painted part of the Width x Height rectangle, as offsets into it
// (i across, j down), end exclusive. 64-bit so that no caller's numbers overflow.
struct Span {
    long long i0, j0, i1, j1;
    bool empty() const { return i0 >= i1 || j0 >= j1; }
};

Span clipTo(const Span& s, const QImage& img, int x, int y) {
    return {std::max<long long>(s.i0, -static_cast<long long>(x)),
            std::max<long long>(s.j0, -static_cast<long long>(y)),
            std::min<long long>(s.i1, static_cast<long long>(img.width()) - x),
            std::min<long long>(s.j1, static_cast<long long>(img.height()) - y)};
}

Span destSpan(const QImage& dest, int xDest, int yDest, int Width, int Height) {
    return clipTo({0, 0, std::max(Width, 0), std::max(Height, 0)}, dest, xDest, yDest);
}

const QRgb* wordRow(const QImage& img, long long y) {
    return reinterpret_cast<const QRgb*>(img.constScanLine(static_cast<int>(y)));
}

// Composes the rectangle in a copy of the destination and writes it back in one
// block, so the destination never holds half a picture. rowFn(j, out) rewrites
// the words of row j from offset s.i0 on.
template <typename RowFn>
void compose(QImage& dest, int xDest, int yDest, const Span& s, RowFn rowFn) {
    if (s.empty()) return;
    // An 8-bit or 24-bit destination cannot take every colour in place; it is
    // turned into words once and stays that way.
    if (!isWordFormat(dest.format()))
        dest.convertTo(dest.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    const int x = static_cast<int>(xDest + s.i0);
    const int y = static_cast<int>(yDest + s.j0);
    const int w = static_cast<int>(s.i1 - s.i0);
    const int h = static_cast<int>(s.j1 - s.j0);
    QImage work = dest.copy(x, y, w, h);
    for (int r = 0; r < h; ++r) rowFn(s.j0 + r, reinterpret_cast<QRgb*>(work.scanLine(r)));
    const auto bytes = static_cast<std::size_t>(w) * sizeof(QRgb);
    for (int r = 0; r < h; ++r)
        std::memcpy(dest.scanLine(y + r) + static_cast<std::size_t>(x) * sizeof(QRgb),
                    work.constScanLine(r), bytes);
}

void requirePicture(const QImage& picture) {
    if (picture.isNull()) FatalError("Invalid picture");
}

}  // namespace

Long TranslateColor(Long color) {
    if (color >= 0) return color;
    const auto index = static_cast<std::uint32_t>(color) & 0x7FFFFFFFu;
    // An unknown system colour comes out black, as a failed translation leaves
    // its result at zero.
    return index < kSystemColors.size() ? kSystemColors[index] : 0;
}

// Source pixels outside the source picture are left out, like the mask colour:
// a rectangle larger than the sprite never paints anything but the sprite.
void PaintEffects::PaintTransparentDC(QImage& dest, int xDest, int yDest, int Width, int Height,
                                      const QImage& src, int xSrc, int ySrc, Long clrMask) {
    const QRgb mask = wordOf(clrMask);
    const QImage words = sourceWords(src);
    const Span s = clipTo(destSpan(dest, xDest, yDest, Width, Height), words, xSrc, ySrc);
    const auto n = static_cast<std::size_t>(s.i1 - s.i0);
    compose(dest, xDest, yDest, s, [&](long long j, QRgb* out) {
        const QRgb* in = wordRow(words, ySrc + j) + (xSrc + s.i0);
        for (std::size_t k = 0; k < n; ++k)
            if ((in[k] & kRgbBits) != mask) out[k] = kOpaque | in[k];
    });
}

void PaintEffects::PaintTransparentStdPic(QImage& dest, int xDest, int yDest, int Width, int Height,
                                          const QImage& picSource, int xSrc, int ySrc,
                                          Long clrMask) {
    requirePicture(picSource);
    PaintTransparentDC(dest, xDest, yDest, Width, Height, picSource, xSrc, ySrc, clrMask);
}

void PaintEffects::PaintNormalStdPic(QImage& dest, int xDest, int yDest, int Width, int Height,
                                     const QImage& picSource, int xSrc, int ySrc) {
    requirePicture(picSource);
    const QImage words = sourceWords(picSource);
    const Span s = clipTo(destSpan(dest, xDest, yDest, Width, Height), words, xSrc, ySrc);
    const auto n = static_cast<std::size_t>(s.i1 - s.i0);
    compose(dest, xDest, yDest, s, [&](long long j, QRgb* out) {
        const QRgb* in = wordRow(words, ySrc + j) + (xSrc + s.i0);
        for (std::size_t k = 0; k < n; ++k) out[k] = kOpaque | in[k];
    });
}

// The relief: the picture's shape in the shadow colour, over the same shape in
// the highlight colour one pixel right and down. Both layers stay inside the
// Width x Height rectangle.
void PaintEffects::PaintDisabledDC(QImage& dest, int xDest, int yDest, int Width, int Height,
                                   const QImage& src, int xSrc, int ySrc, Long clrMask,
                                   Long clrHighlight, Long clrShadow) {
    const QRgb shadow = kOpaque | wordOf(clrShadow);
    const QRgb highlight = kOpaque | wordOf(clrHighlight);
    const QRgb mask = wordOf(clrMask);
    const QRgb white = wordOf(kWhite);
    const QImage words = sourceWords(src);
    // The shape is what a black-and-white copy on a white ground shows dark:
    // neither the mask colour nor white. Outside the source there is no shape.
    const auto inShape = [&](long long i, long long j) {
        const long long x = xSrc + i;
        const long long y = ySrc + j;
        if (x < 0 || y < 0 || x >= words.width() || y >= words.height()) return false;
        const QRgb px = wordRow(words, y)[x] & kRgbBits;
        return px != mask && px != white;
    };
    const Span s = destSpan(dest, xDest, yDest, Width, Height);
    compose(dest, xDest, yDest, s, [&](long long j, QRgb* out) {
        for (long long i = s.i0; i < s.i1; ++i, ++out) {
            if (inShape(i, j))
                *out = shadow;
            else if (i > 0 && j > 0 && inShape(i - 1, j - 1))
                *out = highlight;
        }
    });
}

void PaintEffects::PaintDisabledStdPic(QImage& dest, int xDest, int yDest, int Width, int Height,
                                       const QImage& picSource, int xSrc, int ySrc, Long clrMask,
                                       Long clrHighlight, Long clrShadow) {
    requirePicture(picSource);
    PaintDisabledDC(dest, xDest, yDest, Width, Height, picSource, xSrc, ySrc, clrMask, clrHighlight,
                    clrShadow);
}

void PaintTransparentPicture(const QImage& source, QImage& target, Long maskColor) {
    PaintEffects().PaintTransparentStdPic(target, 0, 0, target.width(), target.height(), source, 0,
                                          0, maskColor);
}

}  // namespace orv::paint
