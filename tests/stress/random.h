// A small seeded generator (SplitMix64): the same seed gives the same cases
// on every run and every platform, which the standard distributions do not
// promise.
#pragma once

#include <cstddef>
#include <cstdint>

namespace stress {

class Random {
   public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }

    // A whole number from 0 to bound - 1 (the tiny modulo bias does not
    // matter here).
    int Below(int bound) { return static_cast<int>(Next() % static_cast<std::uint64_t>(bound)); }

    // True with the given chance, in percent.
    bool Percent(int chance) { return Below(100) < chance; }

    template <typename T, std::size_t N>
    T Pick(const T (&table)[N])
    {
        return table[Below(static_cast<int>(N))];
    }

   private:
    std::uint64_t state_;
};

}  // namespace stress
