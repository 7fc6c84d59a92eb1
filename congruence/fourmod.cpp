// fourmod: the first x on the walk r[k], r[k] + d[k], ... (d[k] the largest modulus, first of
// equals) with x % d[j] == r[j] for all four j, truncated remainders, residues unreduced.
// The walk is not taken: its first passing candidate is computed from the merged congruences.
#include <cctype>
#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>

__extension__ typedef __int128 i128;

static int d[4], r[4];

// One line on stderr; status 1 when the system has no answer, 2 when input or output failed.
static void fail(int status, const char *what, const char *why)
{
    std::fprintf(stderr, "fourmod: %s%s%s\n", what, why ? ": " : "", why ? why : "");
    exit(status);
}

// One "%d"-style token: whitespace, optional sign, decimal digits, within 32 bits.
static int rd(int idx)
{
    static const char *const names[8] = {"d[0]", "d[1]", "d[2]", "d[3]", "r[0]", "r[1]", "r[2]", "r[3]"};
    static char what[64];
    std::snprintf(what, sizeof what, "game.in: cannot read %s (number %d of 8)", names[idx], idx + 1);
    int ch = std::getchar();
    while (ch != EOF && std::isspace(ch))
        ch = std::getchar();
    if (ch == EOF)
        fail(2, what, std::ferror(stdin) ? std::strerror(errno) : "end of file");
    bool neg = ch == '-';
    if (ch == '-' || ch == '+')
        ch = std::getchar();
    if (!std::isdigit(ch))
        fail(2, what, "not a decimal integer");
    long long v = 0;
    while (std::isdigit(ch)) {
        v = v * 10 + (ch - '0');
        if (v > 2147483648LL)
            fail(2, what, "outside the 32-bit range");
        ch = std::getchar();
    }
    if (ch != EOF && !std::isspace(ch))
        fail(2, what, "not a decimal integer");
    if (neg)
        v = -v;
    if (v > 2147483647LL)
        fail(2, what, "outside the 32-bit range");
    return (int)v;
}

// x mod m in 0..m-1 for m > 0.
static i128 md(i128 x, i128 m)
{
    i128 v = x % m;
    return v < 0 ? v + m : v;
}

// Inverse of a modulo m, for gcd(a, m) = 1 and m < 2^32.
static long long inv(long long a, long long m)
{
    long long g = m, x = 0, g1 = a % m, x1 = 1;
    while (g1 != 0) {
        long long q = g / g1, t;
        t = g - q * g1; g = g1; g1 = t;
        t = x - q * x1; x = x1; x1 = t;
    }
    return (long long)md(x, m);
}

static long long gcd(long long a, long long b)
{
    while (b != 0) {
        long long t = a % b;
        a = b;
        b = t;
    }
    return a;
}

// Least x >= lo with x % |d[j]| == s * r[j] for every j, truncated remainders, or lo - 1
// when there is none. s = -1 mirrors the walk downward: -x passes on r exactly when x passes on -r.
static i128 first_from(i128 lo, int s)
{
    i128 a = 0, m = 1;  // x == a (mod m), the congruences merged so far
    bool pos = true, neg = true, zero = true;  // which signs of x can pass every test
    for (int j = 0; j < 4; ++j) {
        long long dj = d[j] < 0 ? -(long long)d[j] : d[j];
        long long rj = s * (long long)r[j];
        pos = pos && 0 <= rj && rj < dj;
        neg = neg && -dj < rj && rj <= 0;
        zero = zero && rj == 0;
        long long g = gcd((long long)md(m, dj), dj);
        long long diff = (long long)md(rj - a, dj);
        if (diff % g != 0)
            return lo - 1;  // the congruences contradict each other
        long long dg = dj / g;
        long long t = (long long)md((i128)(diff / g) * inv((long long)md(m / g, dg), dg), dg);
        a += m * t;
        m *= dg;
    }
    if (neg) {
        i128 x = lo + md(a - lo, m);
        if (x < 0)
            return x;
    }
    if (zero)
        return 0;  // then lo is 0 as well
    if (pos)
        return (lo > 1 ? lo : 1) + md(a - (lo > 1 ? lo : 1), m);
    return lo - 1;
}

int main()
{
    // Both files are opened first, so "game.out" is empty whatever goes wrong later.
    int in_err = std::freopen("game.in", "r", stdin) ? 0 : errno;
    if (!std::freopen("game.out", "w", stdout))
        fail(2, "cannot open game.out", std::strerror(errno));
    if (in_err != 0)
        fail(2, "cannot open game.in", std::strerror(in_err));
    for (int i = 0; i < 4; ++i)
        d[i] = rd(i);
    for (int i = 0; i < 4; ++i)
        r[i] = rd(4 + i);
    for (int j = 0; j < 4; ++j)
        if (d[j] == 0)
            fail(2, "game.in: a modulus is 0, which has no remainder", nullptr);
    int k = 0;
    for (int j = 0; j < 4; ++j)
        if (d[j] > d[k])
            k = j;
    int s = d[k] > 0 ? 1 : -1;
    i128 lo = s * (i128)r[k];
    i128 x = first_from(lo, s);
    if (x < lo)
        fail(1, "no solution", nullptr);
    x *= s;
    if (x > INT64_MAX || x < INT64_MIN)
        fail(1, "no solution in the signed 64-bit range: the first one lies beyond it", nullptr);
    std::printf("%" PRId64 "\n", (int64_t)x);
    if (std::fflush(stdout) != 0 || std::ferror(stdout) || std::fclose(stdout) != 0)
        fail(2, "cannot write game.out", std::strerror(errno));
    return 0;
}
