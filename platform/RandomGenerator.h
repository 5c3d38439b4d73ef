#pragma once

#include <cstdint>

namespace platform {

// A 32-bit linear congruential generator: cheap, and reseeded from the counter before every
// trial, which is all the random wait needs.
class RandomGenerator {
public:
    void Reseed(std::uint32_t seed) { seed_ = seed; }
    std::uint32_t Seed() const { return seed_; }
    // Uniform in 0 .. range - 1; 0 for a range of 0.
    std::uint32_t Next(std::uint32_t range) {
        seed_ = seed_ * 134775813u + 1u;
        return std::uint32_t((std::uint64_t(seed_) * range) >> 32);
    }

private:
    std::uint32_t seed_ = 0;
};

} // namespace platform
