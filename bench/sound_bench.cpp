// Sound player measurements, reported and never asserted.
//
//   orvalis-sound-bench latency [runs]   PlaySnd of an effect to its first
//                                        audible sample, on SDL's disk driver
//   orvalis-sound-bench cpu [seconds]    CPU while the battle music loops with
//                                        the 500 ms status poll
//
// The disk driver writes every mixed chunk to a file at the pace of a real
// device (one 1024-frame chunk per 23 ms). Two clocks are read: the time the
// mixer hands the first chunk holding the effect to the driver (a post-mix
// hook), and the time that sample shows in the file (which lags by up to one
// more chunk, since the driver writes through a stdio buffer). The file also
// tells how much output was already queued ahead of the effect.
// SDL_AUDIODRIVER in the environment picks another driver for the CPU run
// (dummy, or the machine's own device).
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <SDL_mixer.h>

#include <atomic>

#include "sound/SndModule.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using namespace orv::sound;

namespace {

const std::string kSnd = std::string(ORVALIS_APP_DIR) + "/snd/";
constexpr double kBytesPerSecond = 44100.0 * 4;

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

std::size_t FileBytes(const fs::path& p) {
    std::error_code ec;
    const auto n = fs::file_size(p, ec);
    return ec ? 0 : std::size_t(n);
}

// Byte offset of the first non-zero 16-bit sample at or after `from`, or -1.
long long FirstSound(const fs::path& p, std::size_t from) {
    std::ifstream in(p, std::ios::binary);
    in.seekg(std::streamoff(from));
    std::vector<char> buf{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    for (std::size_t i = 0; i + 1 < buf.size(); i += 2) {
        std::int16_t s;
        std::memcpy(&s, buf.data() + i, 2);
        if (s != 0) return (long long)(from + i);
    }
    return -1;
}

void Summary(const char* what, std::vector<double> v) {
    std::sort(v.begin(), v.end());
    auto at = [&](double q) {
        return v[std::min(v.size() - 1, std::size_t(q * double(v.size())))];
    };
    std::printf("  %-34s median %6.2f  p90 %6.2f  max %6.2f ms\n", what, at(0.5), at(0.9),
                v.back());
}

struct Shot {
    double call, mixed, wall, stream;
};

// Set by the shot, cleared by the mixer thread on the first chunk with sound.
std::atomic<bool> armed{false};
std::atomic<Clock::rep> mixedAt{0};

void PostMix(void*, Uint8* stream, int len) {
    if (!armed.load()) return;
    for (int i = 0; i + 1 < len; i += 2) {
        std::int16_t s;
        std::memcpy(&s, stream + i, 2);
        if (s != 0) {
            mixedAt.store(Clock::now().time_since_epoch().count());
            armed.store(false);
            return;
        }
    }
}

// One effect, played the game's way, timed until its first sample is written.
Shot PlayAndWatch(const fs::path& out, const std::string& effect) {
    const std::size_t before = FileBytes(out);
    mixedAt.store(0);
    armed.store(true);
    const auto t0 = Clock::now();
    CloseSnd(effect);
    PlaySnd(effect);
    const auto t1 = Clock::now();
    long long at = -1;
    while ((at = FirstSound(out, before)) < 0) {
        if (Clock::now() - t0 > std::chrono::seconds(5)) {
            std::fprintf(stderr, "no sound reached the output\n");
            std::exit(1);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    const auto wall = Clock::now() - t0;
    armed.store(false);
    const Clock::time_point mixed{Clock::duration(mixedAt.load())};
    return {Ms(t1 - t0), mixedAt.load() ? Ms(mixed - t0) : -1, Ms(wall),
            double(at - (long long)before) / kBytesPerSecond * 1e3};
}

int Latency(int runs) {
    const fs::path out =
        fs::temp_directory_path() / ("orvalis-sound-bench-" + std::to_string(getpid()) + ".raw");
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", out.c_str(), 1);
    unsetenv("SDL_DISKAUDIODELAY");  // real-time pace
    const std::string effect = kSnd + "ハズレ.WAV";

    const Shot cold = PlayAndWatch(out, effect);
    Mix_SetPostMix(PostMix, nullptr);  // audio is open now
    std::printf("latency, disk driver, effect %s\n", effect.c_str());
    std::printf("  first PlaySnd (opens audio): call %.2f ms, first sample written after %.2f ms\n",
                cold.call, cold.wall);

    std::mt19937 rng(1);
    std::vector<double> call, mixed, wall, stream;
    for (int i = 0; i < runs; ++i) {
        while (SndMode(effect) != "STOPPED")
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        // Land anywhere in the mixer's 23 ms cycle.
        std::this_thread::sleep_for(std::chrono::microseconds(rng() % 23000));
        const Shot s = PlayAndWatch(out, effect);
        call.push_back(s.call);
        mixed.push_back(s.mixed);
        wall.push_back(s.wall);
        stream.push_back(s.stream);
    }
    std::printf("  %d warm shots (CloseSnd + PlaySnd):\n", runs);
    Summary("CloseSnd + PlaySnd call", call);
    Summary("call to first chunk with it mixed", mixed);
    Summary("call to first sample in the file", wall);
    Summary("output already queued before it", stream);
    Mix_SetPostMix(nullptr, nullptr);
    CloseAllSnd();
    ShutdownSound();
    fs::remove(out);
    return 0;
}

int Cpu(int seconds) {
    if (!std::getenv("SDL_AUDIODRIVER")) {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
        unsetenv("SDL_DISKAUDIODELAY");
    }
    const std::string music = kSnd + "MainBGM.wav";
    const double cpu0 = CpuSeconds();
    const auto t0 = Clock::now();
    CloseAllSnd();
    PlaySnd(music);
    const auto started = Clock::now();
    if (SndMode(music) != "PLAYING") std::fprintf(stderr, "warning: the music is not playing\n");
    int restarts = 0;
    double restartMs = 0;
    auto next = t0;
    while (Clock::now() - t0 < std::chrono::seconds(seconds)) {
        next += std::chrono::milliseconds(500);
        std::this_thread::sleep_until(next);
        if (SndMode(music) == "STOPPED") {  // the battle screen's TimerSnd
            const auto r0 = Clock::now();
            CloseSnd(music);
            PlaySnd(music);
            restartMs = std::max(restartMs, Ms(Clock::now() - r0));
            ++restarts;
        }
    }
    const double wall = std::chrono::duration<double>(Clock::now() - t0).count();
    const double cpu = CpuSeconds() - cpu0;
    CloseAllSnd();
    ShutdownSound();
    std::printf("cpu, driver %s, %s looping with the 500 ms poll\n", std::getenv("SDL_AUDIODRIVER"),
                music.c_str());
    std::printf("  first PlaySnd %.2f ms, slowest restart (CloseSnd + PlaySnd) %.2f ms\n",
                Ms(started - t0), restartMs);
    std::printf("  %d restarts in %.1f s, CPU %.2f s = %.2f%% of one core\n", restarts, wall, cpu,
                100 * cpu / wall);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "latency") return Latency(argc > 2 ? std::atoi(argv[2]) : 30);
    if (mode == "cpu") return Cpu(argc > 2 ? std::atoi(argv[2]) : 60);
    std::fprintf(stderr, "usage: %s latency [runs] | cpu [seconds]\n", argv[0]);
    return 2;
}
