// sortprobe as a black box: scripted replies for exact dialogues and refusals, and the local
// interactor for answers on many value sets, checked against an independent distinct count.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <set>
#include <sstream>

#include "process.hpp"
#include "query_bound.hpp"

namespace {

// Reference: the number of different values.
int distinct_count(const std::vector<long long>& values)
{
    return (int)std::set<long long>(values.begin(), values.end()).size();
}

ProcessResult sortprobe(const std::string& input) { return run_process({SORTPROBE_PATH}, input); }

struct Dialogue {
    const char* name;
    const char* input;  // the count and every reply, as the interactor sends them
    const char* output;
};

const Dialogue kDialogues[] = {
    {"values 2 1 2", "3\n1\n-1\n0\n-1\n0\n", "1 1 2\n1 2 3\n1 1 3\n1 2 3\n1 3 1\n2 2\n"},
    {"three equal values are reversed", "3\n0\n0\n0\n0\n", "1 1 2\n1 2 3\n1 3 2\n1 2 1\n2 1\n"},
    {"two items, smaller first", "2\n-1\n-1\n", "1 1 2\n1 1 2\n2 2\n"},
    {"two items, equal", "2\n0\n0\n", "1 1 2\n1 2 1\n2 1\n"},
    {"two items, greater first", "2\n1\n-1\n", "1 1 2\n1 2 1\n2 2\n"},
    {"reply 2 means greater", "2\n2\n-1\n", "1 1 2\n1 2 1\n2 2\n"},
    {"reply 100 means greater", "2\n100\n-1\n", "1 1 2\n1 2 1\n2 2\n"},
    {"the most negative reply means greater", "2\n-2147483648\n2147483647\n", "1 1 2\n1 2 1\n2 2\n"},
    {"whitespace before -1, replies on one line", "  2 \n\n \t -1 \r\n-1", "1 1 2\n1 1 2\n2 2\n"},
    {"signed and zero-padded numbers", "+02\n-01\n+0\n", "1 1 2\n1 1 2\n2 1\n"},
    {"one item asks nothing", "1\n", "2 1\n"},
    {"zero items have zero distinct values", "0\n", "2 0\n"},
};

TEST(SortprobeDialogue, ExactLinesForScriptedReplies)
{
    for (const Dialogue& d : kDialogues) {
        SCOPED_TRACE(d.name);
        ProcessResult r = sortprobe(d.input);
        EXPECT_EQ(r.out, d.output);
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.status, 0);
    }
}

struct Refusal {
    const char* input;
    const char* output;  // the lines written before the fault
    const char* message;
};

void expect_refused(const Refusal& c)
{
    SCOPED_TRACE(c.input);
    ProcessResult r = sortprobe(c.input);
    EXPECT_EQ(r.out, c.output);
    EXPECT_EQ(r.err, std::string(c.message) + "\n");
    EXPECT_EQ(r.status, 2);
}

TEST(SortprobeRefusal, UnusableCountWritesNothing)
{
    const Refusal cases[] = {
        {"", "", "sortprobe: cannot read the item count: end of input"},
        {" \n\t", "", "sortprobe: cannot read the item count: end of input"},
        {"abc", "", "sortprobe: cannot read the item count: not a decimal integer"},
        {"3x\n", "", "sortprobe: cannot read the item count: not a decimal integer"},
        {"-\n", "", "sortprobe: cannot read the item count: not a decimal integer"},
        {"3.0\n", "", "sortprobe: cannot read the item count: not a decimal integer"},
        {"-1\n", "", "sortprobe: item count -1 is outside 0..1009"},
        {"-2147483648\n", "", "sortprobe: item count -2147483648 is outside 0..1009"},
        {"1010\n", "", "sortprobe: item count 1010 is outside 0..1009"},
        {"2147483647\n", "", "sortprobe: item count 2147483647 is outside 0..1009"},
        {"2147483648\n", "", "sortprobe: cannot read the item count: outside the 32-bit range"},
        {"-2147483649\n", "", "sortprobe: cannot read the item count: outside the 32-bit range"},
        {"99999999999999999999999\n", "", "sortprobe: cannot read the item count: outside the 32-bit range"},
    };
    for (const Refusal& c : cases)
        expect_refused(c);
}

TEST(SortprobeRefusal, UnreadableReplyStopsAtOnce)
{
    const Refusal cases[] = {
        {"3\n", "1 1 2\n", "sortprobe: cannot read the reply to query 1 (1 1 2): end of input"},
        {"3\n1\n", "1 1 2\n1 2 3\n", "sortprobe: cannot read the reply to query 2 (1 2 3): end of input"},
        {"3\n1\n-1\n0\n-1\n", "1 1 2\n1 2 3\n1 1 3\n1 2 3\n1 3 1\n",
         "sortprobe: cannot read the reply to query 5 (1 3 1): end of input"},
        {"2\nyes\n", "1 1 2\n", "sortprobe: cannot read the reply to query 1 (1 1 2): not a decimal integer"},
        {"2\n-1x\n", "1 1 2\n", "sortprobe: cannot read the reply to query 1 (1 1 2): not a decimal integer"},
        {"2\n--1\n", "1 1 2\n", "sortprobe: cannot read the reply to query 1 (1 1 2): not a decimal integer"},
        {"2\n2147483648\n", "1 1 2\n", "sortprobe: cannot read the reply to query 1 (1 1 2): outside the 32-bit range"},
        {"2\n-2147483649\n", "1 1 2\n",
         "sortprobe: cannot read the reply to query 1 (1 1 2): outside the 32-bit range"},
    };
    for (const Refusal& c : cases)
        expect_refused(c);
}

TEST(SortprobeRefusal, VanishedInteractorEndsPromptlyWithFailure)
{
    // The interactor sends a count, closes its reading end and keeps our input open.
    int in[2], out[2];
    ASSERT_EQ(pipe(in), 0);
    ASSERT_EQ(pipe(out), 0);
    pid_t pid = fork();
    if (pid == 0) {
        dup2(in[0], 0);
        dup2(out[1], 1);
        close(in[1]);
        close(out[0]);
        execl(SORTPROBE_PATH, SORTPROBE_PATH, (char*)nullptr);
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    close(out[0]);
    ASSERT_EQ(write(in[1], "500\n", 4), 4);
    int status = 0;
    pid_t done = 0;
    for (int waited = 0; waited < 10000 && done == 0; waited += 5) {
        done = waitpid(pid, &status, WNOHANG);
        if (done == 0)
            usleep(5000);
    }
    if (done == 0) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    }
    close(in[1]);
    ASSERT_NE(done, 0) << "sortprobe hung on a vanished interactor";
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 2);
}

// One run against the local interactor, with the dialogue read back from its transcript.
struct Session {
    std::string verdict;
    std::vector<std::pair<int, int>> queries;
    long long answer = -1;
};

Session run_with_interactor(const std::vector<long long>& values)
{
    TempDir dir;
    std::ostringstream text;
    for (long long v : values)
        text << v << '\n';
    write_file(dir.path() / "values", text.str());
    ProcessResult r = run_process({INTERACTOR_PATH, "--values", (dir.path() / "values").string(), "--transcript",
                                   (dir.path() / "transcript").string(), "--", SORTPROBE_PATH},
                                  "");
    Session s;
    s.verdict = r.out;
    std::istringstream log(read_file(dir.path() / "transcript"));
    for (std::string mark, kind; log >> mark >> kind;) {
        if (mark != "<")
            continue;
        if (kind == "1") {
            int x, y;
            log >> x >> y;
            s.queries.emplace_back(x, y);
        } else {
            log >> s.answer;
        }
    }
    return s;
}

// The answer is the distinct count, the query total is within the bound, and the counting
// pass walks one chain through every item in non-decreasing order of value.
void expect_sound_run(const std::vector<long long>& values)
{
    const long long n = (long long)values.size();
    Session s = run_with_interactor(values);
    ASSERT_EQ(s.verdict.rfind("OK: ", 0), 0u) << s.verdict;
    EXPECT_EQ(s.answer, n == 0 ? 0 : distinct_count(values));
    long long pass = std::max(n - 1, 0LL);
    ASSERT_LE((long long)s.queries.size(), merge_sort_bound(n) + pass);
    ASSERT_GE((long long)s.queries.size(), pass);
    std::vector<int> order;
    for (std::size_t i = s.queries.size() - (std::size_t)pass; i < s.queries.size(); ++i) {
        if (!order.empty())
            ASSERT_EQ(order.back(), s.queries[i].first);
        else
            order.push_back(s.queries[i].first);
        order.push_back(s.queries[i].second);
    }
    if (n == 1)
        order.push_back(1);
    std::vector<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (long long i = 0; i < (long long)sorted.size(); ++i)
        ASSERT_EQ(sorted[(std::size_t)i], i + 1) << "the counting pass is not over a permutation";
    for (std::size_t i = 1; i < order.size(); ++i)
        ASSERT_LE(values[(std::size_t)order[i - 1] - 1], values[(std::size_t)order[i] - 1]);
}

TEST(SortprobeAnswers, EveryValuePatternUpToFourItems)
{
    for (int n = 0; n <= 4; ++n) {
        int patterns = 1;
        for (int i = 0; i < n; ++i)
            patterns *= n;
        for (int code = 0; code < patterns; ++code) {
            std::vector<long long> values;
            for (int i = 0, c = code; i < n; ++i, c /= n)
                values.push_back(c % n);
            SCOPED_TRACE(::testing::PrintToString(values));
            expect_sound_run(values);
        }
    }
}

TEST(SortprobeAnswers, SeededRandomSetsUpToCapacity)
{
    std::mt19937_64 gen(20261211);
    const long long sizes[] = {5, 8, 17, 64, 100, 511, 512, 513, 1000, 1009};
    for (long long n : sizes) {
        for (long long spread : {1LL, 3LL, n / 2 + 1, n, 1'000'000'000'000LL}) {
            std::uniform_int_distribution<long long> pick(-spread / 2, spread - spread / 2 - 1);
            std::vector<long long> values((std::size_t)n);
            for (long long& v : values)
                v = pick(gen);
            SCOPED_TRACE("n=" + std::to_string(n) + " spread=" + std::to_string(spread));
            expect_sound_run(values);
        }
    }
}

TEST(SortprobeAnswers, QueryBoundIsReachedForDistinctValues)
{
    // Interleaved values make every merge ask a + b - 1 queries: the bound is tight.
    for (long long n : {2LL, 3LL, 8LL, 10LL}) {
        // Each run holds every other rank of its parent, so every merge alternates sides.
        std::vector<long long> rank((std::size_t)n);
        std::function<void(long long, long long, long long, long long)> assign =
            [&](long long l, long long r, long long first, long long step) {
                if (l == r) {
                    rank[(std::size_t)l] = first;
                    return;
                }
                long long mid = (l + r) / 2;
                assign(l, mid, first, step * 2);
                assign(mid + 1, r, first + step, step * 2);
            };
        assign(0, n - 1, 0, 1);
        Session s = run_with_interactor(rank);
        SCOPED_TRACE(n);
        EXPECT_EQ((long long)s.queries.size(), merge_sort_bound(n) + n - 1);
        EXPECT_EQ(s.answer, n);
    }
}

}  // namespace
