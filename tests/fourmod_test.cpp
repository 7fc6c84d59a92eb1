// fourmod as a black box: the built program in a temporary folder, on the documented
// examples, every file layout, the 32- and 64-bit limits, and every way it must refuse.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>
#include <climits>
#include <random>

#include "literal_walk.hpp"
#include "process.hpp"

namespace {

__extension__ typedef __int128 i128;

struct Outcome {
    int status;
    std::string out;  // game.out afterwards
    std::string err;
};

// Runs fourmod in a fresh folder holding `game_in` (none when nullptr), with a stale game.out.
Outcome fourmod(const char* game_in)
{
    TempDir dir;
    if (game_in)
        write_file(dir.path() / "game.in", game_in);
    write_file(dir.path() / "game.out", "stale\n");
    ProcessResult r = run_process({FOURMOD_PATH}, "", dir.path());
    return {r.status, read_file(dir.path() / "game.out"), r.err};
}

std::string line_of(const System& v)
{
    std::string s;
    for (long long x : v)
        s += std::to_string(x) + ' ';
    return s + "\n";
}

struct Example {
    const char* game_in;
    const char* game_out;
};

TEST(FourmodResult, DocumentedExamples)
{
    const Example cases[] = {
        {"3 5 7 11\n2 3 2 5\n", "863\n"},       // stride 11 from 5
        {"7 5 7 3\n1 0 1 1\n", "85\n"},         // the first of two largest moduli is the stride
        {"2 3 5 7\n1 1 1 1\n", "1\n"},          // the start passes at once
        {"2 3 5 7\n-1 -1 -1 -1\n", "-1\n"},     // truncated remainders of -1 are all -1
        {"-2 -3 -5 -7\n-1 -2 -4 -6\n", "-209\n"},  // all negative: the walk goes down from -1
        {"5 3 1 1\n-4 -1 0 0\n", "-4\n"},       // positive stride over negative candidates
        {"4 6 1 1\n0 0 0 0\n", "0\n"},
    };
    for (const Example& c : cases) {
        SCOPED_TRACE(c.game_in);
        Outcome r = fourmod(c.game_in);
        EXPECT_EQ(r.out, c.game_out);
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.status, 0);
    }
}

TEST(FourmodResult, LineStructureCarriesNoMeaning)
{
    const char* layouts[] = {
        "3 5 7 11 2 3 2 5\n",
        "3 5 7 11\n2 3 2 5\n",
        "3\n5\n7\n11\n2\n3\n2\n5\n",
        "3 5 7 11\r\n2 3 2 5\r\n",
        "3 5 7 11\n2 3 2 5",
        "\n\t 3\t5  7 11\n\n +2 +3 02 5 \n",
        "3 5 7 11 2 3 2 5 what follows is not read\n",
    };
    for (const char* layout : layouts) {
        SCOPED_TRACE(layout);
        Outcome r = fourmod(layout);
        EXPECT_EQ(r.out, "863\n");
        EXPECT_EQ(r.status, 0);
    }
}

// The answer passes, lies on the walk, and the candidate one stride earlier fails.
void expect_first_on_walk(const System& v, long long answer)
{
    int k = stride_index(v);
    EXPECT_TRUE(passes(answer, v));
    i128 steps = ((i128)answer - v[4 + k]) / v[k];
    EXPECT_EQ((i128)v[4 + k] + steps * v[k], (i128)answer) << "not on the walk";
    EXPECT_GE(steps, 0) << "behind the start";
    if (steps > 0) {
        EXPECT_FALSE(passes((i128)answer - v[k], v)) << "one stride earlier passes too";
    }
}

TEST(FourmodLimits, SeededLargeModuliNearBothEndsOf32Bits)
{
    std::mt19937_64 gen(2026);
    std::uniform_int_distribution<long long> near_top(INT_MAX - 1000, INT_MAX), anywhere(LLONG_MIN, LLONG_MAX);
    for (int i = 0; i < 60; ++i) {
        System v;
        for (int j = 0; j < 4; ++j) {
            long long m = near_top(gen);
            v[j] = (int)(i % 3 == 0 ? -m - 1 : i % 3 == 1 ? m : (j % 2 ? -m : m));  // reaches INT_MIN too
        }
        long long target = anywhere(gen);  // passes every test, so the answer is no later on the walk
        for (int j = 0; j < 4; ++j)
            v[4 + j] = (int)(target % v[j]);
        SCOPED_TRACE(line_of(v));
        Outcome r = fourmod(line_of(v).c_str());
        int k = stride_index(v);
        if (r.status == 1) {
            // Only when target's side of zero is behind the walk: its start is on the other side.
            EXPECT_TRUE((v[k] > 0) == (target < 0)) << r.err;
            continue;
        }
        ASSERT_EQ(r.status, 0) << r.err;
        long long answer = std::stoll(r.out);
        EXPECT_EQ(r.out, std::to_string(answer) + "\n");
        expect_first_on_walk(v, answer);
        EXPECT_GE(((i128)target - answer) / v[k], 0) << "a passing value comes earlier on the walk than the answer";
    }
}

TEST(FourmodLimits, AnswersAtAndJustBeyondThe64BitEnds)
{
    // Moduli whose lcm exceeds 2^64: the residues of one value t make t the walk's first solution.
    const long long up[4] = {2147483647, 2147483646, 2147483645, 1};
    const long long down[4] = {-2147483647, -2147483646, -2147483645, -2147483648LL};
    struct Case {
        const long long* moduli;
        i128 target;
        bool fits;
    };
    const i128 top = LLONG_MAX, bottom = LLONG_MIN;
    const Case cases[] = {
        {up, top, true}, {up, top - 12345, true}, {up, top + 1, false}, {up, top + 1000000007, false},
        {down, bottom, true}, {down, bottom + 99, true}, {down, bottom - 1, false}, {down, bottom - 4294967296, false},
    };
    for (const Case& c : cases) {
        System v;
        for (int j = 0; j < 4; ++j) {
            v[j] = (int)c.moduli[j];
            v[4 + j] = (int)(c.target % c.moduli[j]);
        }
        SCOPED_TRACE(line_of(v));
        Outcome r = fourmod(line_of(v).c_str());
        if (c.fits) {
            EXPECT_EQ(r.status, 0) << r.err;
            EXPECT_EQ(r.out, std::to_string((long long)c.target) + "\n");
        } else {
            EXPECT_EQ(r.status, 1);
            EXPECT_EQ(r.out, "");
            EXPECT_EQ(r.err, "fourmod: no solution in the signed 64-bit range: the first one lies beyond it\n");
        }
    }
}

struct Refusal {
    const char* game_in;  // nullptr: no such file
    int status;
    const char* message;
};

TEST(FourmodRefusal, EachFaultHasItsStatusAndMessageAndEmptiesGameOut)
{
    const Refusal cases[] = {
        {nullptr, 2, "fourmod: cannot open game.in: No such file or directory"},
        {"", 2, "fourmod: game.in: cannot read d[0] (number 1 of 8): end of file"},
        {"3 5 7 11\n", 2, "fourmod: game.in: cannot read r[0] (number 5 of 8): end of file"},
        {"3 5 7 11 2 3 2", 2, "fourmod: game.in: cannot read r[3] (number 8 of 8): end of file"},
        {"3 5 x 11 2 3 2 5", 2, "fourmod: game.in: cannot read d[2] (number 3 of 8): not a decimal integer"},
        {"3 5 7 11 2 3 2.5 5", 2, "fourmod: game.in: cannot read r[2] (number 7 of 8): not a decimal integer"},
        {"3 5 7 11 2 3 2 5x", 2, "fourmod: game.in: cannot read r[3] (number 8 of 8): not a decimal integer"},
        {"3 - 7 11 2 3 2 5", 2, "fourmod: game.in: cannot read d[1] (number 2 of 8): not a decimal integer"},
        {"2147483648 5 7 11 2 3 2 5", 2, "fourmod: game.in: cannot read d[0] (number 1 of 8): outside the 32-bit range"},
        {"3 5 7 11 -2147483649 3 2 5", 2,
         "fourmod: game.in: cannot read r[0] (number 5 of 8): outside the 32-bit range"},
        {"3 5 7 11 2 3 2 99999999999999999999", 2,
         "fourmod: game.in: cannot read r[3] (number 8 of 8): outside the 32-bit range"},
        {"3 0 7 11 2 0 2 5", 2, "fourmod: game.in: a modulus is 0, which has no remainder"},
        {"2 4 1 1 1 2 0 0", 1, "fourmod: no solution"},     // x odd and x even
        {"5 3 1 1 7 0 0 0", 1, "fourmod: no solution"},     // 7 is no remainder of 5
        {"5 3 1 1 4 -1 0 0", 1, "fourmod: no solution"},    // a positive and a negative remainder
        {"-2 -4 1 1 1 0 0 0", 1, "fourmod: no solution"},   // stride 1 from 1 upward: never odd and even
    };
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.game_in ? c.game_in : "(no game.in)");
        Outcome r = fourmod(c.game_in);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.err, std::string(c.message) + "\n");
        EXPECT_EQ(r.out, "") << "game.out must be emptied";
    }
}

TEST(FourmodRefusal, UnusableFiles)
{
    {
        TempDir dir;
        std::filesystem::create_directory(dir.path() / "game.in");
        ProcessResult r = run_process({FOURMOD_PATH}, "", dir.path());
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, "fourmod: game.in: cannot read d[0] (number 1 of 8): Is a directory\n");
    }
    {
        TempDir dir;
        write_file(dir.path() / "game.in", "3 5 7 11 2 3 2 5\n");
        std::filesystem::create_directory(dir.path() / "game.out");
        ProcessResult r = run_process({FOURMOD_PATH}, "", dir.path());
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, "fourmod: cannot open game.out: Is a directory\n");
    }
    if (std::filesystem::exists("/dev/full")) {
        TempDir dir;
        write_file(dir.path() / "game.in", "3 5 7 11 2 3 2 5\n");
        std::filesystem::create_symlink("/dev/full", dir.path() / "game.out");
        ProcessResult r = run_process({FOURMOD_PATH}, "", dir.path());
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, "fourmod: cannot write game.out: No space left on device\n");
    }
    if (geteuid() != 0) {  // root reads any file
        TempDir dir;
        write_file(dir.path() / "game.in", "3 5 7 11 2 3 2 5\n");
        chmod((dir.path() / "game.in").c_str(), 0);
        ProcessResult r = run_process({FOURMOD_PATH}, "", dir.path());
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, "fourmod: cannot open game.in: Permission denied\n");
        EXPECT_EQ(read_file(dir.path() / "game.out"), "");
    }
}

}  // namespace
