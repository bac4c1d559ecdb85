// SPDX-License-Identifier: MIT
#pragma once
// A small seeded generator (SplitMix64): every build draws the same numbers,
// so the generated files are the same bytes every time.

#include <cstdint>

class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double Unit() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
    double Range(double low, double high) { return low + (high - low) * Unit(); }
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }

private:
    std::uint64_t state_;
};

// A fixed pseudo-random value in [0, 1) for a lattice point, with no state.
inline double HashUnit(std::uint64_t seed, std::int64_t x, std::int64_t y, std::int64_t z = 0) {
    Random mixer(seed ^ (static_cast<std::uint64_t>(x) * 0x8CB92BA72F3D8DD7ull) ^
                 (static_cast<std::uint64_t>(y) * 0xC2B2AE3D27D4EB4Full) ^
                 (static_cast<std::uint64_t>(z) * 0x165667B19E3779F9ull));
    return mixer.Unit();
}
