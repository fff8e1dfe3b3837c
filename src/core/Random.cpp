#include "core/Random.h"

#include <chrono>

namespace orv {

std::uint32_t UniformRandom::ClockSeed() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    return static_cast<std::uint32_t>(now ^ (now >> 32));
}

}  // namespace orv
