#include "WaveFile.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace orv::assetgen {
namespace {

void Put16(QByteArray& out, int offset, std::uint16_t v) {
    qToLittleEndian(v, out.data() + offset);
}
void Put32(QByteArray& out, int offset, std::uint32_t v) {
    qToLittleEndian(v, out.data() + offset);
}

}  // namespace

QByteArray EncodeWave(const std::vector<float>& samples) {
    constexpr int kChannels = 1;
    constexpr int kBits = 16;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kChannels * kBits / 8);
    QByteArray out(44 + qsizetype(dataBytes), '\0');
    std::memcpy(out.data(), "RIFF", 4);
    Put32(out, 4, 36 + dataBytes);
    std::memcpy(out.data() + 8, "WAVEfmt ", 8);
    Put32(out, 16, 16);  // size of the fmt chunk
    Put16(out, 20, 1);   // PCM
    Put16(out, 22, kChannels);
    Put32(out, 24, kSampleRate);
    Put32(out, 28, kSampleRate * kChannels * kBits / 8);
    Put16(out, 32, kChannels * kBits / 8);
    Put16(out, 34, kBits);
    std::memcpy(out.data() + 36, "data", 4);
    Put32(out, 40, dataBytes);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const float s = std::clamp(samples[i], -1.0f, 1.0f);
        const auto v = static_cast<std::int16_t>(std::lround(s * 32767.0f));
        qToLittleEndian(v, out.data() + 44 + i * 2);
    }
    return out;
}

bool CheckWaveHeader(const QByteArray& bytes) {
    if (bytes.size() < 44) return false;
    const char* p = bytes.constData();
    if (std::memcmp(p, "RIFF", 4) != 0 || std::memcmp(p + 8, "WAVEfmt ", 8) != 0 ||
        std::memcmp(p + 36, "data", 4) != 0)
        return false;
    const auto riffSize = qFromLittleEndian<std::uint32_t>(p + 4);
    const auto format = qFromLittleEndian<std::uint16_t>(p + 20);
    const auto bits = qFromLittleEndian<std::uint16_t>(p + 34);
    const auto dataSize = qFromLittleEndian<std::uint32_t>(p + 40);
    return riffSize + 8 == std::uint32_t(bytes.size()) && format == 1 && bits == 16 &&
           dataSize > 0 && dataSize % 2 == 0 && dataSize + 44 == std::uint32_t(bytes.size());
}

}  // namespace orv::assetgen
