// The walk itself, as the reference cost: candidates r[k], r[k] + d[k], ... until all four
// truncated remainders match. Only for inputs on which it ends.
#include <cstdio>

static int d[4], r[4];

int main()
{
    std::freopen("game.in", "r", stdin);
    std::freopen("game.out", "w", stdout);
    for (int& v : d)
        if (std::scanf("%d", &v) != 1)
            return 2;
    for (int& v : r)
        if (std::scanf("%d", &v) != 1)
            return 2;
    int k = 0;
    for (int j = 0; j < 4; ++j)
        if (d[j] > d[k])
            k = j;
    long long x = r[k];
    for (int j = 0; j < 4;) {
        if (x % d[j] == r[j]) {
            ++j;
        } else {
            x += d[k];
            j = 0;
        }
    }
    std::printf("%lld\n", x);
    return 0;
}
