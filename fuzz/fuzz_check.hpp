// Shared by the fuzz targets: an invariant that fails stops the run with its reason.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "../tests/process.hpp"

#define FUZZ_REQUIRE(cond)                                                                  \
    do {                                                                                    \
        if (!(cond)) {                                                                      \
            std::fprintf(stderr, "invariant broken at %s:%d: %s\n", __FILE__, __LINE__, #cond); \
            std::abort();                                                                   \
        }                                                                                   \
    } while (0)

// An integer as the programs read one: optional sign, decimal digits, within 32 bits.
inline bool parse_int32(const std::string& token, long long& value)
{
    std::size_t i = token.size() > 0 && (token[0] == '+' || token[0] == '-') ? 1 : 0;
    if (i == token.size())
        return false;
    for (std::size_t j = i; j < token.size(); ++j)
        if (token[j] < '0' || token[j] > '9')
            return false;
    std::size_t first = token.find_first_not_of('0', i);
    std::string digits = first == std::string::npos ? "0" : token.substr(first);
    if (digits.size() > 10)
        return false;
    value = std::stoll(digits) * (token[0] == '-' ? -1 : 1);
    return value >= -2147483648LL && value <= 2147483647LL;
}

// The whitespace-separated words of the input, as far as `limit` of them.
inline std::vector<std::string> tokens(const std::string& text, std::size_t limit)
{
    std::vector<std::string> out;
    const char* space = " \t\n\v\f\r";
    for (std::size_t at = text.find_first_not_of(space); at != std::string::npos && out.size() < limit;) {
        std::size_t end = text.find_first_of(space, at);
        out.push_back(text.substr(at, end == std::string::npos ? std::string::npos : end - at));
        at = end == std::string::npos ? end : text.find_first_not_of(space, end);
    }
    return out;
}

// The programs use fixed file names in the current folder: each input runs in a scratch folder
// (in memory where the machine has one), and the fuzzer's own folder is back in place before
// any check, so that corpus and crash files land where it was told.
class InScratchFolder {
public:
    InScratchFolder() : home_(open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        static TempDir dir(std::filesystem::is_directory("/dev/shm") ? "/dev/shm"
                                                                     : std::filesystem::temp_directory_path());
        FUZZ_REQUIRE(home_ >= 0 && chdir(dir.path().c_str()) == 0);
    }
    ~InScratchFolder()
    {
        FUZZ_REQUIRE(fchdir(home_) == 0);
        close(home_);
    }
    InScratchFolder(const InScratchFolder&) = delete;
    InScratchFolder& operator=(const InScratchFolder&) = delete;

private:
    int home_;
};
