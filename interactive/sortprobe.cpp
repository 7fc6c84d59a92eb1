// sortprobe: counts the distinct hidden values of items 1..n through an interactor.
// Query "1 x y" -> reply (-1 smaller, 0 equal, anything else greater); answer "2 k".
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

static int p[1010];  // order table: entries 1..n hold item numbers
static int c[1010];  // merge scratch, room for every item at once
static int n, ans;
static int asked, qx, qy;  // queries sent so far and the last one, for failure messages

// A read failed: one line naming what was being read, and status 2.
static void bad_read(const char *why)
{
    if (asked == 0)
        std::fprintf(stderr, "sortprobe: cannot read the item count: %s\n", why);
    else
        std::fprintf(stderr, "sortprobe: cannot read the reply to query %d (1 %d %d): %s\n", asked, qx, qy, why);
    exit(2);
}

// Reads one whitespace-delimited decimal integer that fits in 32 bits, or fails.
static int rd()
{
    int ch = std::getchar();
    while (ch != EOF && std::isspace(ch))
        ch = std::getchar();
    if (ch == EOF)
        bad_read(std::ferror(stdin) ? std::strerror(errno) : "end of input");
    bool neg = ch == '-';
    if (ch == '-' || ch == '+')
        ch = std::getchar();
    if (!std::isdigit(ch))
        bad_read("not a decimal integer");
    long long v = 0;
    while (std::isdigit(ch)) {
        v = v * 10 + (ch - '0');
        if (v > 2147483648LL)
            bad_read("outside the 32-bit range");
        ch = std::getchar();
    }
    if (ch != EOF && !std::isspace(ch))
        bad_read("not a decimal integer");
    if (neg)
        v = -v;
    if (v > 2147483647LL)
        bad_read("outside the 32-bit range");
    return (int)v;
}

// Ends a line with both flushes, so the interactor has all of it before we wait.
static void endl_flush()
{
    std::cout << '\n';
    std::cout.flush();
    if (!std::cout || std::fflush(stdout) != 0) {
        std::fprintf(stderr, "sortprobe: cannot write to the interactor: %s\n", std::strerror(errno));
        exit(2);
    }
}

int cmp(int x, int y)
{
    std::cout << 1 << ' ' << x << ' ' << y;
    endl_flush();
    ++asked;
    qx = x;
    qy = y;
    return rd();
}

void merge_sort(int l, int r)
{
    if (l >= r)
        return;
    int mid = (l + r) / 2;
    merge_sort(l, mid);
    merge_sort(mid + 1, r);
    int i = l, j = mid + 1;
    for (int pos = 0; pos <= r - l; ++pos) {
        if (j > r)
            c[pos] = p[i++];
        else if (i > mid)
            c[pos] = p[j++];
        else if (cmp(p[i], p[j]) == -1)
            c[pos] = p[i++];
        else
            c[pos] = p[j++];  // equal goes right first: ties reverse
    }
    for (int t = 0; t <= r - l; ++t)
        p[l + t] = c[t];
}

int main()
{
#ifdef SIGPIPE
    // A vanished interactor is reported as a failed write, not a silent signal death.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    n = rd();
    if (n < 0 || n > 1009) {
        std::fprintf(stderr, "sortprobe: item count %d is outside 0..1009\n", n);
        exit(2);
    }
    for (int i = 1; i <= n; ++i)
        p[i] = i;
    merge_sort(1, n);
    for (int i = 1; i < n; ++i)
        if (cmp(p[i], p[i + 1]) != 0)
            ++ans;
    // Zero items have zero distinct values.
    std::cout << 2 << ' ' << (n == 0 ? 0 : ans + 1);
    endl_flush();
    return 0;
}
