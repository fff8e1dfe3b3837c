#pragma once
// Painting a picture onto another: unchanged, transparent (pixels of a mask
// colour let the destination show through), or disabled (an embossed two-tone
// relief). Pictures are QImages; colours are 0x00BBGGRR, and values with the
// high bit set (0x800000nn) are system colours, translated before use.
#include <QImage>

#include "core/Types.h"

namespace orv::paint {

inline constexpr Long kSysButtonShadow = static_cast<Long>(0x80000010u);
inline constexpr Long kSysButtonHighlight = static_cast<Long>(0x80000014u);

// A system colour to plain RGB (0x00BBGGRR); plain colours pass unchanged.
Long TranslateColor(Long color);

class PaintEffects {
  public:
    void PaintTransparentDC(QImage& dest, int xDest, int yDest, int Width, int Height,
                            const QImage& src, int xSrc, int ySrc, Long clrMask);
    // A null picture stops the game ("Invalid picture").
    void PaintTransparentStdPic(QImage& dest, int xDest, int yDest, int Width, int Height,
                                const QImage& picSource, int xSrc, int ySrc, Long clrMask);
    void PaintNormalStdPic(QImage& dest, int xDest, int yDest, int Width, int Height,
                           const QImage& picSource, int xSrc, int ySrc);
    void PaintDisabledDC(QImage& dest, int xDest, int yDest, int Width, int Height,
                         const QImage& src, int xSrc, int ySrc, Long clrMask = 0x00FFFFFF,
                         Long clrHighlight = kSysButtonHighlight,
                         Long clrShadow = kSysButtonShadow);
    void PaintDisabledStdPic(QImage& dest, int xDest, int yDest, int Width, int Height,
                             const QImage& picSource, int xSrc, int ySrc, Long clrMask = 0x00FFFFFF,
                             Long clrHighlight = kSysButtonHighlight,
                             Long clrShadow = kSysButtonShadow);
};

// Composes `source` over the whole of `target`, its pixels of `maskColor`
// left out.
void PaintTransparentPicture(const QImage& source, QImage& target, Long maskColor);

}  // namespace orv::paint
