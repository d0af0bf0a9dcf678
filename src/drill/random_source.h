#pragma once

#include <cstdint>

// The random generator the drill draws from. The program reseeds it from the clock right
// before every draw; tests put a scripted source in its place.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Stirs the clock into the generator.
    virtual void Reseed() = 0;
    // The next fraction, uniform in [0, 1).
    virtual float Fraction() = 0;
};

// A 64-bit generator that never restarts: Reseed() mixes the clock into the running state
// instead of replacing it, so two draws within one clock tick still differ.
class ClockRandom final : public RandomSource {
public:
    ClockRandom();
    // Starts from state instead of the clock: the same state gives the same draws.
    explicit ClockRandom(std::uint64_t state) : state_(state) {}
    void Reseed() override;
    float Fraction() override;

private:
    std::uint64_t next();
    std::uint64_t state_ = 0;
};
