#include "BmpFile.h"

#include <QHash>
#include <QList>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace orv::assetgen {
namespace {

// Colours covering at least this share of the picture keep an exact entry.
constexpr double kExactShare = 0.002;
constexpr int kMaxExact = 96;

struct Bin {
    std::uint32_t count = 0;
    std::uint64_t r = 0, g = 0, b = 0;
};

// A box of the 5-5-5 colour cube for the median cut.
struct Box {
    std::array<int, 3> lo{0, 0, 0};
    std::array<int, 3> hi{31, 31, 31};
    std::uint64_t count = 0;
};

int BinIndex(int r5, int g5, int b5) {
    return (r5 << 10) | (g5 << 5) | b5;
}

void ShrinkBox(Box& box, const std::vector<Bin>& bins) {
    std::array<int, 3> lo{31, 31, 31}, hi{0, 0, 0};
    std::uint64_t count = 0;
    for (int r = box.lo[0]; r <= box.hi[0]; ++r)
        for (int g = box.lo[1]; g <= box.hi[1]; ++g)
            for (int b = box.lo[2]; b <= box.hi[2]; ++b) {
                const Bin& bin = bins[BinIndex(r, g, b)];
                if (bin.count == 0) continue;
                count += bin.count;
                const int c[3] = {r, g, b};
                for (int k = 0; k < 3; ++k) {
                    lo[k] = std::min(lo[k], c[k]);
                    hi[k] = std::max(hi[k], c[k]);
                }
            }
    box.count = count;
    if (count > 0) {
        box.lo = lo;
        box.hi = hi;
    }
}

// Splits at the weighted median of the longest side; false when it cannot.
bool SplitBox(const Box& box, const std::vector<Bin>& bins, Box& left, Box& right) {
    int axis = 0;
    for (int k = 1; k < 3; ++k)
        if (box.hi[k] - box.lo[k] > box.hi[axis] - box.lo[axis]) axis = k;
    if (box.hi[axis] == box.lo[axis]) return false;
    std::vector<std::uint64_t> slice(32, 0);
    for (int r = box.lo[0]; r <= box.hi[0]; ++r)
        for (int g = box.lo[1]; g <= box.hi[1]; ++g)
            for (int b = box.lo[2]; b <= box.hi[2]; ++b) {
                const int c[3] = {r, g, b};
                slice[c[axis]] += bins[BinIndex(r, g, b)].count;
            }
    std::uint64_t run = 0;
    int cut = box.lo[axis];
    for (int v = box.lo[axis]; v < box.hi[axis]; ++v) {
        run += slice[v];
        cut = v;
        if (run * 2 >= box.count) break;
    }
    left = box;
    right = box;
    left.hi[axis] = cut;
    right.lo[axis] = cut + 1;
    ShrinkBox(left, bins);
    ShrinkBox(right, bins);
    return left.count > 0 && right.count > 0;
}

QList<QRgb> BuildPalette(const QImage& rgb) {
    const int w = rgb.width(), h = rgb.height();
    QHash<QRgb, std::uint32_t> exact;
    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < w; ++x) ++exact[line[x] | 0xFF000000u];
    }
    QList<QRgb> palette;
    if (exact.size() <= 256) {
        // Few colours: every one of them, sorted so the order never depends on hashing.
        palette = exact.keys();
        std::sort(palette.begin(), palette.end());
        return palette;
    }
    std::vector<std::pair<std::uint32_t, QRgb>> byUse;
    byUse.reserve(exact.size());
    for (auto it = exact.cbegin(); it != exact.cend(); ++it)
        byUse.emplace_back(it.value(), it.key());
    std::sort(byUse.begin(), byUse.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    const auto threshold = static_cast<std::uint32_t>(kExactShare * w * h);
    for (const auto& [count, colour] : byUse) {
        if (count < threshold || palette.size() >= kMaxExact) break;
        palette.push_back(colour);
    }
    const int exactCount = static_cast<int>(palette.size());

    // The remaining pixels go through the median cut.
    std::vector<Bin> bins(32 * 32 * 32);
    for (std::size_t i = exactCount; i < byUse.size(); ++i) {
        const QRgb c = byUse[i].second;
        Bin& bin = bins[BinIndex(qRed(c) >> 3, qGreen(c) >> 3, qBlue(c) >> 3)];
        bin.count += byUse[i].first;
        bin.r += std::uint64_t(qRed(c)) * byUse[i].first;
        bin.g += std::uint64_t(qGreen(c)) * byUse[i].first;
        bin.b += std::uint64_t(qBlue(c)) * byUse[i].first;
    }
    std::vector<Box> boxes(1);
    ShrinkBox(boxes[0], bins);
    const int wanted = 256 - exactCount;
    while (static_cast<int>(boxes.size()) < wanted) {
        // Split the box that holds the most pixels times its longest side.
        int best = -1;
        std::uint64_t bestScore = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            const Box& b = boxes[i];
            const int side = std::max({b.hi[0] - b.lo[0], b.hi[1] - b.lo[1], b.hi[2] - b.lo[2]});
            const std::uint64_t score = b.count * std::uint64_t(side);
            if (side > 0 && score > bestScore) {
                bestScore = score;
                best = static_cast<int>(i);
            }
        }
        if (best < 0) break;
        Box left, right;
        if (!SplitBox(boxes[best], bins, left, right)) break;
        boxes[best] = left;
        boxes.push_back(right);
    }
    for (const Box& box : boxes) {
        std::uint64_t n = 0, r = 0, g = 0, b = 0;
        for (int rr = box.lo[0]; rr <= box.hi[0]; ++rr)
            for (int gg = box.lo[1]; gg <= box.hi[1]; ++gg)
                for (int bb = box.lo[2]; bb <= box.hi[2]; ++bb) {
                    const Bin& bin = bins[BinIndex(rr, gg, bb)];
                    n += bin.count;
                    r += bin.r;
                    g += bin.g;
                    b += bin.b;
                }
        if (n == 0) continue;
        palette.push_back(qRgb(int(r / n), int(g / n), int(b / n)));
    }
    return palette;
}

int Nearest(const QList<QRgb>& palette, int r, int g, int b) {
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < palette.size(); ++i) {
        const long dr = qRed(palette[i]) - r, dg = qGreen(palette[i]) - g,
                   db = qBlue(palette[i]) - b;
        const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

void Put16(QByteArray& out, int offset, std::uint16_t v) {
    qToLittleEndian(v, out.data() + offset);
}
void Put32(QByteArray& out, int offset, std::uint32_t v) {
    qToLittleEndian(v, out.data() + offset);
}

}  // namespace

QImage QuantizeTo256(const QImage& picture) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const QList<QRgb> palette = BuildPalette(rgb);
    const int w = rgb.width(), h = rgb.height();
    QImage out(w, h, QImage::Format_Indexed8);
    out.setColorTable(palette);

    // Floyd-Steinberg with a cache of nearest entries; exact colours carry no error,
    // so flat panels come out without dither noise.
    std::vector<std::int16_t> cache(1 << 24, -1);
    std::vector<std::array<int, 3>> errNow(w + 2), errNext(w + 2);
    for (int y = 0; y < h; ++y) {
        std::fill(errNext.begin(), errNext.end(), std::array<int, 3>{0, 0, 0});
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* dst = out.scanLine(y);
        for (int x = 0; x < w; ++x) {
            const auto& e = errNow[x + 1];
            const int r = std::clamp(qRed(line[x]) + e[0] / 16, 0, 255);
            const int g = std::clamp(qGreen(line[x]) + e[1] / 16, 0, 255);
            const int b = std::clamp(qBlue(line[x]) + e[2] / 16, 0, 255);
            const int key = (r << 16) | (g << 8) | b;
            if (cache[key] < 0) cache[key] = static_cast<std::int16_t>(Nearest(palette, r, g, b));
            const int index = cache[key];
            dst[x] = static_cast<uchar>(index);
            const int d[3] = {r - qRed(palette[index]), g - qGreen(palette[index]),
                              b - qBlue(palette[index])};
            for (int k = 0; k < 3; ++k) {
                errNow[x + 2][k] += d[k] * 7;
                errNext[x][k] += d[k] * 3;
                errNext[x + 1][k] += d[k] * 5;
                errNext[x + 2][k] += d[k] * 1;
            }
        }
        std::swap(errNow, errNext);
    }
    return out;
}

QByteArray EncodeBmp(const QImage& picture, int bitsPerPixel) {
    if (bitsPerPixel != 8 && bitsPerPixel != 24)
        throw std::runtime_error("unsupported bit depth " + std::to_string(bitsPerPixel));
    if (picture.isNull()) throw std::runtime_error("empty picture");
    const int w = picture.width(), h = picture.height();
    const int rowBytes = ((w * bitsPerPixel + 31) / 32) * 4;
    const int paletteBytes = bitsPerPixel == 8 ? 256 * 4 : 0;
    const int pixelOffset = 14 + 40 + paletteBytes;
    const qsizetype fileSize = qsizetype(pixelOffset) + qsizetype(rowBytes) * h;

    QByteArray out(fileSize, '\0');
    out[0] = 'B';
    out[1] = 'M';
    Put32(out, 2, static_cast<std::uint32_t>(fileSize));
    Put32(out, 10, static_cast<std::uint32_t>(pixelOffset));
    Put32(out, 14, 40);
    Put32(out, 18, static_cast<std::uint32_t>(w));
    Put32(out, 22, static_cast<std::uint32_t>(h));  // positive: bottom-up rows
    Put16(out, 26, 1);
    Put16(out, 28, static_cast<std::uint16_t>(bitsPerPixel));
    Put32(out, 30, 0);  // BI_RGB
    Put32(out, 34, static_cast<std::uint32_t>(rowBytes * h));
    Put32(out, 38, 2835);  // 72 dpi
    Put32(out, 42, 2835);
    Put32(out, 46, bitsPerPixel == 8 ? 256 : 0);
    Put32(out, 50, 0);

    if (bitsPerPixel == 8) {
        const QImage indexed =
            picture.format() == QImage::Format_Indexed8 ? picture : QuantizeTo256(picture);
        const QList<QRgb> table = indexed.colorTable();
        for (int i = 0; i < 256; ++i) {
            const QRgb c = i < table.size() ? table[i] : qRgb(0, 0, 0);
            char* p = out.data() + 54 + i * 4;
            p[0] = char(qBlue(c));
            p[1] = char(qGreen(c));
            p[2] = char(qRed(c));
            p[3] = 0;
        }
        for (int y = 0; y < h; ++y) {
            char* row = out.data() + pixelOffset + qsizetype(h - 1 - y) * rowBytes;
            std::copy_n(reinterpret_cast<const char*>(indexed.constScanLine(y)), w, row);
        }
    } else {
        const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < h; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
            char* row = out.data() + pixelOffset + qsizetype(h - 1 - y) * rowBytes;
            for (int x = 0; x < w; ++x) {
                row[x * 3 + 0] = char(qBlue(line[x]));
                row[x * 3 + 1] = char(qGreen(line[x]));
                row[x * 3 + 2] = char(qRed(line[x]));
            }
        }
    }
    return out;
}

bool CheckBmpHeader(const QByteArray& bytes, int width, int height, int bitsPerPixel) {
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') return false;
    const char* p = bytes.constData();
    const auto fileSize = qFromLittleEndian<std::uint32_t>(p + 2);
    const auto w = qFromLittleEndian<std::int32_t>(p + 18);
    const auto h = qFromLittleEndian<std::int32_t>(p + 22);
    const auto bits = qFromLittleEndian<std::uint16_t>(p + 28);
    return fileSize == std::uint32_t(bytes.size()) && w == width && h == height &&
           bits == bitsPerPixel;
}

}  // namespace orv::assetgen
