// The most queries a top-down merge sort of n items may ask: n⌈log2 n⌉ − 2^⌈log2 n⌉ + 1.
#pragma once

inline long long merge_sort_bound(long long n)
{
    long long levels = 0;
    while ((1LL << levels) < n)
        ++levels;
    return n == 0 ? 0 : n * levels - (1LL << levels) + 1;
}
