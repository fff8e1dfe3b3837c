// Every file of the asset table and every stored picture is written by the
// build, at its size and format.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "assets/AssetTable.h"

namespace fs = std::filesystem;
using namespace orv::assets;

namespace {

std::vector<unsigned char> readAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t le32(const std::vector<unsigned char>& d, size_t at) {
    return d[at] | d[at + 1] << 8 | d[at + 2] << 16 | std::uint32_t(d[at + 3]) << 24;
}
std::uint16_t le16(const std::vector<unsigned char>& d, size_t at) {
    return static_cast<std::uint16_t>(d[at] | d[at + 1] << 8);
}

fs::path appPath(const char* relative) {
    std::string rel = relative;
    for (char& c : rel)
        if (c == '\\') c = '/';
    return fs::path(ORVALIS_APP_DIR) / fs::path(rel.substr(1));
}

void expectBitmap(const fs::path& p, int width, int height, int bpp) {
    SCOPED_TRACE(p.string());
    ASSERT_TRUE(fs::exists(p));
    const auto d = readAll(p);
    ASSERT_GE(d.size(), 54u);
    EXPECT_EQ(d[0], 'B');
    EXPECT_EQ(d[1], 'M');
    EXPECT_EQ(static_cast<int>(le32(d, 18)), width);
    EXPECT_EQ(static_cast<int>(le32(d, 22)), height);  // bottom-up, as bitmaps are
    EXPECT_EQ(le16(d, 28), bpp);
    EXPECT_EQ(le32(d, 30), 0u) << "uncompressed";
    EXPECT_GE(d.size(), le32(d, 10) + size_t(height) * ((width * bpp + 31) / 32 * 4));
}

// The index of the "data" chunk of a WAV file, after its PCM "fmt " chunk.
void expectPcmWave(const fs::path& p) {
    SCOPED_TRACE(p.string());
    ASSERT_TRUE(fs::exists(p));
    const auto d = readAll(p);
    ASSERT_GE(d.size(), 44u);
    ASSERT_EQ(std::memcmp(d.data(), "RIFF", 4), 0);
    ASSERT_EQ(std::memcmp(d.data() + 8, "WAVE", 4), 0);
    size_t at = 12;
    bool pcm = false;
    int bits = 0;
    while (at + 8 <= d.size()) {
        const std::uint32_t size = le32(d, at + 4);
        if (std::memcmp(d.data() + at, "fmt ", 4) == 0) {
            pcm = le16(d, at + 8) == 1;
            bits = le16(d, at + 22);
        } else if (std::memcmp(d.data() + at, "data", 4) == 0) {
            ASSERT_TRUE(pcm) << "format must be PCM";
            ASSERT_EQ(bits, 16);
            ASSERT_LE(at + 8 + size, d.size());
            ASSERT_GT(size, 1000u);
            int peak = 0;
            for (size_t i = at + 8; i + 1 < at + 8 + size; i += 2)
                peak = std::max(peak,
                                std::abs(static_cast<int>(static_cast<std::int16_t>(le16(d, i)))));
            EXPECT_GT(peak, 1000) << "sound is silent";
            return;
        }
        at += 8 + size + (size & 1);
    }
    FAIL() << "no data chunk";
}

TEST(AssetFiles, EveryTableFileExistsInItsFormat) {
    for (const AssetFile& f : AssetFiles()) {
        if (f.kind == AssetKind::Bitmap)
            expectBitmap(appPath(f.relativePath), f.width, f.height, f.bitsPerPixel);
        else
            expectPcmWave(appPath(f.relativePath));
    }
}

TEST(AssetFiles, SpriteSheetUsesPureBlueAsItsBackground) {
    const auto d = readAll(appPath("\\img\\×▲爆発[指]爆発[戦].bmp"));
    ASSERT_GE(d.size(), 54u);
    const size_t pixels = le32(d, 10);
    // Bottom-up rows: the first pixel stored is the bottom-left corner of cell 0.
    EXPECT_EQ(d[pixels + 0], 255);  // blue
    EXPECT_EQ(d[pixels + 1], 0);
    EXPECT_EQ(d[pixels + 2], 0);
}

TEST(AssetFiles, EveryStoredPictureIsWrittenAndListed) {
    const fs::path dir = ORVALIS_STORED_DIR;
    const auto qrc = readAll(dir / "stored.qrc");
    const std::string listing(qrc.begin(), qrc.end());
    for (const StoredPicture& p : StoredPictures()) {
        const std::string file = std::string(p.id) + ".bmp";
        expectBitmap(dir / file, p.width, p.height, p.bitsPerPixel);
        EXPECT_NE(listing.find(file), std::string::npos) << file << " missing from stored.qrc";
    }
}

// The game shows en/<id>.bmp in place of <id>.bmp in English: same frame, other words.
TEST(AssetFiles, EnglishPicturesMatchTheirJapaneseOnes) {
    const fs::path dir = ORVALIS_STORED_DIR;
    const auto qrc = readAll(dir / "stored.qrc");
    const std::string listing(qrc.begin(), qrc.end());
    ASSERT_TRUE(fs::is_directory(dir / "en"));
    int count = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir / "en")) {
        const std::string file = entry.path().filename().string();
        SCOPED_TRACE(file);
        const auto en = readAll(entry.path()), ja = readAll(dir / file);
        ASSERT_GE(en.size(), 54u);
        ASSERT_GE(ja.size(), 54u) << "no Japanese picture of that name";
        EXPECT_EQ(le32(en, 18), le32(ja, 18)) << "width";
        EXPECT_EQ(le32(en, 22), le32(ja, 22)) << "height";
        EXPECT_EQ(le16(en, 28), le16(ja, 28)) << "bits per pixel";
        EXPECT_NE(en, ja) << "English version has the Japanese words";
        EXPECT_NE(listing.find("<file>" + file + "</file>"), std::string::npos);
        EXPECT_NE(listing.find("<file>en/" + file + "</file>"), std::string::npos);
        ++count;
    }
    EXPECT_GT(count, 0);
}

}  // namespace
