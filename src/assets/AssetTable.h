#pragma once
// The files the game reads from beside its executable, and the pictures stored
// inside the program for its six screens. The placeholder generator writes
// exactly these; the tests check the written files against this table.
#include <span>

namespace orv::assets {

enum class AssetKind { Bitmap, Wave };

struct AssetFile {
    const char* relativePath;  // with a leading backslash, as the game names it
    AssetKind kind;
    int width;         // pixels (bitmaps)
    int height;        // pixels (bitmaps)
    int bitsPerPixel;  // 8 = 256 colours, 24 = true colour (bitmaps)
    const char* role;
};

std::span<const AssetFile> AssetFiles();

struct StoredPicture {
    const char* id;  // resource name, ":/stored/<id>.bmp"
    int width;
    int height;
    int bitsPerPixel;
    const char* role;
};

std::span<const StoredPicture> StoredPictures();
const StoredPicture* FindStoredPicture(const char* id);

// Geometry of the sprite sheet and the portrait strip.
inline constexpr int kSpriteCells = 10;
inline constexpr int kSpriteCellPx = 30;
inline constexpr int kPortraitCells = 3;
inline constexpr int kPortraitCellWidth = 215;
inline constexpr int kPortraitCellHeight = 443;
inline constexpr int kFieldWidth = 19 * 30;
inline constexpr int kFieldHeight = 9 * 30;

}  // namespace orv::assets
