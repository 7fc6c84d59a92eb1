// The reference for fourmod: the walk itself, bounded, for systems with small values.
#pragma once

#include <array>
#include <cstdlib>
#include <optional>

// d[0..3], then r[0..3].
using System = std::array<int, 8>;

inline long long gcd_ll(long long a, long long b) { return b == 0 ? a : gcd_ll(b, a % b); }

// Candidates r[k], r[k] + d[k], ... until all four truncated remainders match. Passing is
// periodic with period L (the lcm) on each side of zero, so after (|r[k]| + 2L) / |d[k]| + 3
// failed candidates nothing can pass. Needs non-zero moduli whose lcm fits comfortably in 64 bits.
inline std::optional<long long> literal_walk(const System& s)
{
    const int* d = s.data();
    const int* r = s.data() + 4;
    int k = 0;
    for (int j = 0; j < 4; ++j)
        if (d[j] > d[k])
            k = j;
    long long lcm = 1;
    for (int j = 0; j < 4; ++j)
        lcm = lcm / gcd_ll(lcm, std::llabs(d[j])) * std::llabs(d[j]);
    long long tries = (std::llabs(r[k]) + 2 * lcm) / std::llabs(d[k]) + 3;
    long long x = r[k];
    for (long long t = 0; t < tries; ++t, x += d[k]) {
        bool pass = true;
        for (int j = 0; j < 4 && pass; ++j)
            pass = x % d[j] == r[j];
        if (pass)
            return x;
    }
    return std::nullopt;
}
