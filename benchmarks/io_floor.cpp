// The floor for fourmod: opens game.in and game.out, reads the eight numbers and writes one
// line, with no arithmetic. No program that must read and write those files can be faster.
#include <cstdio>

int main()
{
    std::freopen("game.in", "r", stdin);
    std::freopen("game.out", "w", stdout);
    int v[8] = {};
    for (int& x : v)
        if (std::scanf("%d", &x) != 1)
            return 2;
    std::printf("%d\n", v[0]);
    return 0;
}
