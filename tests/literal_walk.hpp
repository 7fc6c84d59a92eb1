// The reference for fourmod: the walk itself, bounded, for systems with small values.
#pragma once

#include <array>
#include <cstdlib>
#include <optional>

// d[0..3], then r[0..3].
using System = std::array<int, 8>;

inline long long gcd_ll(long long a, long long b) { return b == 0 ? a : gcd_ll(b, a % b); }

// The walk's stride: the first of the largest moduli.
inline int stride_index(const System& s)
{
    int k = 0;
    for (int j = 0; j < 4; ++j)
        if (s[j] > s[k])
            k = j;
    return k;
}

// All four truncated-remainder tests, in 128 bits so that no candidate overflows.
__extension__ inline bool passes(__int128 x, const System& s)
{
    for (int j = 0; j < 4; ++j)
        if (x % s[j] != s[4 + j])
            return false;
    return true;
}

// Candidates r[k], r[k] + d[k], ... until all four truncated remainders match. Passing is
// periodic with period L (the lcm) on each side of zero, so after (|r[k]| + 2L) / |d[k]| + 3
// failed candidates nothing can pass. Needs non-zero moduli whose lcm fits comfortably in 64 bits.
inline std::optional<long long> literal_walk(const System& s)
{
    const int* d = s.data();
    const int* r = s.data() + 4;
    int k = stride_index(s);
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
