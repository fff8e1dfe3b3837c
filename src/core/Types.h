#pragma once
// Basic value types of the game's data model: 16-bit counters, 32-bit colours,
// 16-bit booleans (true is -1) and vehicle positions.
#include <cstdint>

namespace orv {

using Integer = std::int16_t;
using Long = std::int32_t;
using Boolean = std::int16_t;

inline constexpr Boolean kTrue = -1;
inline constexpr Boolean kFalse = 0;

// A vehicle or a cell: column X (0-18), row Y (0-8) and whether it is in play.
struct UnitPos {
    Integer X = 0;
    Integer Y = 0;
    Boolean Alive = kFalse;
    friend bool operator==(const UnitPos&, const UnitPos&) = default;
};

// Colours are stored as 0x00BBGGRR.
constexpr Long Rgb(int r, int g, int b) {
    return static_cast<Long>((b & 0xFF) << 16 | (g & 0xFF) << 8 | (r & 0xFF));
}

}  // namespace orv
