#pragma once
// The one random generator of the game. The game seeds it from the clock;
// tests and the simulator seed it with a fixed number so any battle replays.
// The draw is written out by hand (Mersenne Twister plus rejection) so the
// same seed gives the same battle with every standard library.
#include <cstdint>
#include <random>

namespace orv {

class UniformRandom {
public:
    explicit UniformRandom(std::uint32_t seed = 1) : engine_(seed), seed_(seed) {}

    void Seed(std::uint32_t seed) {
        engine_.seed(seed);
        seed_ = seed;
    }
    std::uint32_t SeedValue() const { return seed_; }

    // A uniform whole number 0 .. n-1 (n >= 1; n <= 0 gives 0).
    int Below(int n) {
        if (n <= 1) return 0;
        const std::uint32_t range = static_cast<std::uint32_t>(n);
        const std::uint32_t limit = UINT32_MAX - (UINT32_MAX % range + 1) % range;
        std::uint32_t x;
        do {
            x = static_cast<std::uint32_t>(engine_());
        } while (x > limit);
        return static_cast<int>(x % range);
    }

    static std::uint32_t ClockSeed();

private:
    std::mt19937 engine_;
    std::uint32_t seed_;
};

}  // namespace orv
