#pragma once
// How long a bitmap file must be, by its own headers. The image reader fills
// whatever a cut-off bitmap lacks with black and reports nothing, so the game
// measures the file itself. The standard library only (it is fuzzed alone).
#include <cstddef>
#include <cstdint>

namespace orv::ui {

// The bytes a bitmap file needs according to the headers at its start (the
// first `size` bytes at `head`; 64 are plenty), or 0 when they do not tell:
// not a bitmap, or compressed rows without a stated size. Sizes beyond any
// number come back as the largest number - more than any file holds.
std::int64_t BitmapBytesNeeded(const unsigned char* head, std::size_t size);

}  // namespace orv::ui
