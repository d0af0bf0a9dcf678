#include "drill/random_source.h"

#include <chrono>

namespace {
std::uint64_t clockTicks() {
    return static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}
} // namespace

ClockRandom::ClockRandom() : state_(clockTicks()) {}

void ClockRandom::Reseed() {
    // Adding (not assigning) keeps everything drawn so far in the state.
    state_ += clockTicks() * 0xD1B54A32D192ED03ULL;
}

float ClockRandom::Fraction() {
    // The top 24 bits fill a float's mantissa exactly, so the result is below 1.
    return static_cast<float>(next() >> 40) / static_cast<float>(1U << 24);
}

std::uint64_t ClockRandom::next() {
    // splitmix64
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}
