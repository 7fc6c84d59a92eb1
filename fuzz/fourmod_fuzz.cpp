// Fuzzes fourmod's own code: arbitrary bytes as game.in. Every success must be the walk's first
// passing candidate, every refusal must leave game.out empty, and small systems must agree
// with the literal walk.
#include <cstdint>
#include <string>
#include <vector>

#include "../tests/fourmod_embedded.hpp"
#include "../tests/literal_walk.hpp"
#include "../tests/process.hpp"
#include "fuzz_check.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string input(reinterpret_cast<const char*>(data), size);
    int status;
    std::string out;
    {
        InScratchFolder here;
        write_file("game.in", input);
        write_file("game.out", "stale\n");
        status = run_fourmod();
        out = read_file("game.out");
    }

    std::vector<std::string> words = tokens(input, 8);
    System s{};
    bool readable = words.size() == 8;
    for (std::size_t i = 0; i < words.size() && readable; ++i) {
        long long v = 0;
        readable = parse_int32(words[i], v);
        s[i] = (int)v;
    }
    if (!readable || !s[0] || !s[1] || !s[2] || !s[3]) {
        FUZZ_REQUIRE(status == 2 && out.empty());
        return 0;
    }
    bool small = true;
    for (int j = 0; j < 8; ++j)
        small = small && std::abs(s[j]) <= (j < 4 ? 30 : 1000);
    if (status == 1) {
        FUZZ_REQUIRE(out.empty());
        FUZZ_REQUIRE(!small || !literal_walk(s));
        return 0;
    }
    FUZZ_REQUIRE(status == 0 && !out.empty() && out.back() == '\n');
    long long x = std::stoll(out);
    FUZZ_REQUIRE(std::to_string(x) + "\n" == out);
    int k = stride_index(s);
    FUZZ_REQUIRE(passes(x, s));
    FUZZ_REQUIRE(((i128)x - s[4 + k]) % s[k] == 0 && ((i128)x - s[4 + k]) / s[k] >= 0);
    FUZZ_REQUIRE(x == s[4 + k] || !passes((i128)x - s[k], s));
    if (small)
        FUZZ_REQUIRE(literal_walk(s) == x);
    return 0;
}
