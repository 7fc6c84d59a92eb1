// The local interactor's verdicts against broken solutions, and its transcript.
#include <gtest/gtest.h>

#include "process.hpp"

namespace {

struct VerdictCase {
    const char* mode;
    const char* verdict;  // the whole line starts with it
    const char* detail;   // and contains this
};

TEST(InteractorVerdicts, NameEachWayASolutionFails)
{
    const VerdictCase cases[] = {
        {"right", "OK: answered 2 with 1 queries", ""},
        {"no-flush", "TIMEOUT: ", "after the count; the solution probably did not flush"},
        {"wrong", "WRONG: answered 4, expected 2", "0 queries"},
        {"malformed", "PROTOCOL: malformed line \"1 1  2\"", ""},
        {"item-zero", "PROTOCOL: item outside 1..3 in \"1 0 1\"", ""},
        {"leading-zero", "PROTOCOL: malformed line \"1 01 2\"", ""},
        {"endless", "LIMIT: query 6 exceeds the limit of 5", ""},
        {"crash", "CRASHED: ended before its answer line after 1 queries", "signal 6"},
        {"exit-early", "CRASHED: ended before its answer line after 0 queries: exit status 3", ""},
        {"stop-reading", "CRASHED: stopped reading its input", ""},
        {"trailing", "PROTOCOL: output after the answer line: \"1 1 2\"", ""},
        {"hang-after-answer", "TIMEOUT: the solution did not end within 1500 ms after its answer line", ""},
        {"fail-after-answer", "CRASHED: answered 2 correctly, then exit status 4", ""},
    };
    TempDir dir;
    write_file(dir.path() / "values", "7 7 3\n");
    for (const VerdictCase& c : cases) {
        SCOPED_TRACE(c.mode);
        ProcessResult r = run_process({INTERACTOR_PATH, "--values", (dir.path() / "values").string(), "--limit", "5",
                                       "--timeout", "1500", "--", FAKE_SOLUTION_PATH, c.mode},
                                      "");
        EXPECT_EQ(r.out.rfind(c.verdict, 0), 0u) << r.out;
        EXPECT_NE(r.out.find(c.detail), std::string::npos) << r.out;
        EXPECT_EQ(r.out.find('\n'), r.out.size() - 1) << "one verdict line";
        EXPECT_EQ(r.status, std::string(c.mode) == "right" ? 0 : 1);
        EXPECT_FALSE(r.timed_out);
    }
}

TEST(InteractorTranscript, MarksEachLineWithItsDirection)
{
    TempDir dir;
    write_file(dir.path() / "values", "2 1 2\n");
    ProcessResult r = run_process({INTERACTOR_PATH, "--values", (dir.path() / "values").string(), "--transcript",
                                   (dir.path() / "log").string(), "--", SORTPROBE_PATH},
                                  "");
    EXPECT_EQ(r.out, "OK: answered 2 with 5 queries\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(read_file(dir.path() / "log"),
              "> 3\n< 1 1 2\n> 1\n< 1 2 3\n> -1\n< 1 1 3\n> 0\n< 1 2 3\n> -1\n< 1 3 1\n> 0\n< 2 2\n");
}

TEST(InteractorTranscript, RandomModeSendsTheRequestedValues)
{
    ProcessResult r =
        run_process({INTERACTOR_PATH, "--random", "1009", "17", "--seed", "3", "--", SORTPROBE_PATH}, "");
    EXPECT_EQ(r.out.rfind("OK: answered 17 with ", 0), 0u) << r.out;
}

TEST(InteractorUsage, RefusesWhatItCannotRun)
{
    const std::vector<std::vector<std::string>> calls = {
        {INTERACTOR_PATH, "--random", "3", "2", "--", "/nonexistent/solution"},
        {INTERACTOR_PATH, "--values", "/nonexistent/values", "--", SORTPROBE_PATH},
        {INTERACTOR_PATH, "--random", "3", "4", "--", SORTPROBE_PATH},
        {INTERACTOR_PATH, "--random", "3", "2"},
        {INTERACTOR_PATH, "--bogus"},
    };
    for (const auto& argv : calls) {
        SCOPED_TRACE(argv[1] + " " + argv.back());
        ProcessResult r = run_process(argv, "");
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.rfind("interactor: ", 0), 0u) << r.err;
    }
}

}  // namespace
