// Fuzzes sortprobe's own code: arbitrary bytes as everything the interactor sends (the count
// and all replies). Every line written must be a well-formed query or the answer the replies
// imply, within the query bound; a broken stream must end with status 2 and no answer.
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "../tests/process.hpp"
#include "../tests/query_bound.hpp"
#include "../tests/sortprobe_embedded.hpp"
#include "fuzz_check.hpp"

namespace {

// "1 x y" or "2 k" in the exact form: single spaces, canonical decimals.
bool split_line(const std::string& line, std::vector<long long>& nums)
{
    nums.clear();
    std::size_t at = 0;
    for (;;) {
        std::size_t end = line.find(' ', at);
        std::string word = line.substr(at, end == std::string::npos ? std::string::npos : end - at);
        long long v = 0;
        if (!parse_int32(word, v) || std::to_string(v) != word)
            return false;
        nums.push_back(v);
        if (end == std::string::npos)
            return true;
        at = end + 1;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string input(reinterpret_cast<const char*>(data), size);
    int status;
    std::string out;
    {
        InScratchFolder here;
        write_file("in", input);
        FUZZ_REQUIRE(std::freopen("in", "r", stdin) && std::freopen("out", "w", stdout));
        status = run_sortprobe();
        out = read_file("out");
    }

    std::vector<std::string> words = tokens(input, 1 + 20000);
    long long items = 0;
    if (words.empty() || !parse_int32(words[0], items) || items < 0 || items > 1009) {
        FUZZ_REQUIRE(status == 2 && out.empty());
        return 0;
    }
    FUZZ_REQUIRE(out.empty() || out.back() == '\n');
    std::vector<std::pair<long long, long long>> queries;
    std::vector<long long> replies;
    bool answered = false;
    for (std::size_t at = 0; at < out.size();) {
        FUZZ_REQUIRE(!answered);  // nothing after the answer line
        std::size_t nl = out.find('\n', at);
        std::vector<long long> nums;
        FUZZ_REQUIRE(split_line(out.substr(at, nl - at), nums));
        at = nl + 1;
        if (nums.size() == 2 && nums[0] == 2) {
            // The answer the replies imply: one more than the non-zero replies of the counting pass.
            long long changes = 0;
            for (std::size_t i = replies.size() - (std::size_t)std::max(items - 1, 0LL); i < replies.size(); ++i)
                changes += replies[i] != 0;
            FUZZ_REQUIRE(nums[1] == (items == 0 ? 0 : changes + 1));
            FUZZ_REQUIRE(status == 0);
            answered = true;
            continue;
        }
        FUZZ_REQUIRE(nums.size() == 3 && nums[0] == 1);
        FUZZ_REQUIRE(nums[1] >= 1 && nums[1] <= items && nums[2] >= 1 && nums[2] <= items && nums[1] != nums[2]);
        queries.emplace_back(nums[1], nums[2]);
        FUZZ_REQUIRE((long long)queries.size() <= merge_sort_bound(items) + std::max(items - 1, 0LL));
        long long reply = 0;
        if (queries.size() >= words.size() || !parse_int32(words[queries.size()], reply)) {
            FUZZ_REQUIRE(at == out.size() && status == 2);  // stopped at the unreadable reply
            return 0;
        }
        replies.push_back(reply);
    }
    FUZZ_REQUIRE(answered);
    FUZZ_REQUIRE((long long)queries.size() >= items - 1);
    // The counting pass walks one chain over every item.
    std::set<long long> seen;
    for (std::size_t i = queries.size() - (std::size_t)std::max(items - 1, 0LL); i < queries.size(); ++i) {
        if (i + 1 < queries.size())
            FUZZ_REQUIRE(queries[i].second == queries[i + 1].first);
        seen.insert(queries[i].first);
        seen.insert(queries[i].second);
    }
    FUZZ_REQUIRE(items < 2 || (long long)seen.size() == items);
    return 0;
}
