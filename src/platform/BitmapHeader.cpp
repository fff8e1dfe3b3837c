#include "platform/BitmapHeader.h"

#include <limits>

namespace orv::ui {
namespace {

constexpr std::int64_t kTooMany = std::numeric_limits<std::int64_t>::max();

std::uint32_t le32(const unsigned char* b, std::size_t at) {
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
           std::uint32_t(b[at + 3]) << 24;
}
std::uint16_t le16(const unsigned char* b, std::size_t at) {
    return std::uint16_t(b[at] | b[at + 1] << 8);
}

// Where the pixel rows start plus `rows` rows of `width` pixels of `bits`,
// each row padded to 4 bytes.
std::int64_t plainRows(std::int64_t pixelsAt, std::int64_t width, std::int64_t bits,
                       std::int64_t rows) {
    std::int64_t stride = 0, all = 0, total = 0;
    if (__builtin_mul_overflow(width, bits, &stride)) return kTooMany;
    stride = (stride + 31) / 32 * 4;
    if (__builtin_mul_overflow(stride, rows, &all) || __builtin_add_overflow(pixelsAt, all, &total))
        return kTooMany;
    return total;
}

}  // namespace

std::int64_t BitmapBytesNeeded(const unsigned char* head, std::size_t size) {
    if (size < 2 || head[0] != 'B' || head[1] != 'M') return 0;
    if (size < 26) return 26;
    const std::int64_t pixelsAt = le32(head, 10);
    const std::uint32_t infoSize = le32(head, 14);
    if (infoSize == 12)  // the old core header
        return plainRows(pixelsAt, le16(head, 18), le16(head, 24), le16(head, 20));
    if (infoSize < 40) return 0;
    if (size < 38) return 14 + std::int64_t(infoSize);  // cut off inside its own headers
    const std::int64_t width = std::int32_t(le32(head, 18));
    const std::int64_t height = std::int32_t(le32(head, 22));
    const std::uint16_t bits = le16(head, 28);
    const std::uint32_t compression = le32(head, 30);
    const bool plain = compression == 0 || compression == 3 || compression == 6;
    if (!plain) return compression == 1 || compression == 2 ? pixelsAt + le32(head, 34) : 0;
    if (width <= 0 || bits == 0) return 0;
    return plainRows(pixelsAt, width, bits, height < 0 ? -height : height);
}

}  // namespace orv::ui
