#pragma once
// SDL's disk audio driver for the sound tests: everything the mixer plays is
// written to a raw file that the test reads back. Test sounds are written in
// the mixer's own format (44.1 kHz, 16-bit, stereo), so they pass through
// unconverted and the output can be checked sample by sample.
#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace orv::testkit {

namespace fs = std::filesystem;

constexpr int kRate = 44100;
constexpr std::size_t kFrameBytes = 4;  // 16-bit stereo

inline void SetEnv(const char* name, const char* value) {
#ifdef _WIN32
    _putenv_s(name, value);
#else
    setenv(name, value, 1);
#endif
}

// Mono samples, repeated on both channels.
using Samples = std::vector<std::int16_t>;

inline Samples Constant(std::int16_t value, double seconds) {
    return Samples(static_cast<std::size_t>(seconds * kRate), value);
}

// first, first + 1, ...: a sound whose every sample tells how far it has played.
inline Samples Ramp(std::int16_t first, int frames) {
    Samples s(static_cast<std::size_t>(frames));
    for (int i = 0; i < frames; ++i)
        s[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(first + i);
    return s;
}

inline void WriteWave(const fs::path& path, const Samples& mono) {
    auto put = [](std::string& out, std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
    };
    const auto dataBytes = static_cast<std::uint32_t>(mono.size() * kFrameBytes);
    std::string w = "RIFF";
    put(w, 36 + dataBytes, 4);
    w += "WAVEfmt ";
    put(w, 16, 4);
    put(w, 1, 2);  // PCM
    put(w, 2, 2);
    put(w, kRate, 4);
    put(w, kRate * kFrameBytes, 4);
    put(w, kFrameBytes, 2);
    put(w, 16, 2);
    w += "data";
    put(w, dataBytes, 4);
    for (std::int16_t s : mono) {
        put(w, static_cast<std::uint16_t>(s), 2);
        put(w, static_cast<std::uint16_t>(s), 2);
    }
    std::ofstream(path, std::ios::binary) << w;
}

// The left channel of the raw output from byte `from` on.
inline Samples ReadLeft(const fs::path& raw, std::size_t from = 0) {
    std::ifstream in(raw, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    Samples left;
    for (std::size_t at = from - from % kFrameBytes; at + kFrameBytes <= bytes.size();
         at += kFrameBytes) {
        std::int16_t s;
        std::memcpy(&s, bytes.data() + at, sizeof s);
        left.push_back(s);
    }
    return left;
}

inline bool AnyNonZero(const Samples& s) {
    for (std::int16_t v : s)
        if (v != 0) return true;
    return false;
}

// Polls until `done` holds; generous, since a loaded machine runs the audio
// thread late.
template <class Done>
bool WaitUntil(Done done, std::chrono::milliseconds timeout = std::chrono::seconds(5)) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

class DiskAudioTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ =
            fs::temp_directory_path() / ("orvalis-snd-" + std::to_string(std::random_device{}()));
        ASSERT_TRUE(fs::create_directory(dir_));
        SetEnv("SDL_AUDIODRIVER", "disk");
        SetEnv("SDL_DISKAUDIOFILE", Out().string().c_str());
        // A chunk every 10 ms instead of every 23 ms: faster than real time,
        // still slow enough to watch a sound play.
        SetEnv("SDL_DISKAUDIODELAY", "10");
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    fs::path Out() const { return dir_ / "out.raw"; }
    std::size_t OutBytes() const {
        std::error_code ec;
        const auto n = fs::file_size(Out(), ec);
        return ec ? 0 : static_cast<std::size_t>(n);
    }
    std::string Wave(const std::string& name, const Samples& mono) const {
        WriteWave(dir_ / name, mono);
        return (dir_ / name).string();
    }
    // Exact sample checks hold only if the mixer took our format as asked.
    static void ExpectMixerFormat() {
        int rate = 0, channels = 0;
        Uint16 format = 0;
        ASSERT_NE(Mix_QuerySpec(&rate, &format, &channels), 0) << "audio is not open";
        ASSERT_EQ(rate, kRate);
        ASSERT_EQ(format, AUDIO_S16SYS);
        ASSERT_EQ(channels, 2);
    }

    fs::path dir_;
};

}  // namespace orv::testkit
