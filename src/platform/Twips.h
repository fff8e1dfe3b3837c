#pragma once
// Screen geometry is designed in twips, 15 to a (96 dpi) pixel. Qt works in
// device-independent pixels and scales them for high-DPI screens itself, so a
// twip is always 1/15 of a logical pixel here.
#include <QRect>
#include <cmath>

namespace orv::ui {

inline constexpr int kTwipsPerPixel = 15;

// Twips to logical pixels, to the nearest pixel.
inline int Px(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}
inline int Twips(int px) { return px * kTwipsPerPixel; }

inline QRect PxRect(int left, int top, int width, int height) {
    return {Px(left), Px(top), Px(width), Px(height)};
}

}  // namespace orv::ui
