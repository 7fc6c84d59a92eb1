// fourmod against the literal walk it replaces, on every system of small domains and on
// seeded random ones. The program runs in a child process, which it takes over.
#include <gtest/gtest.h>
#include <sys/mman.h>

#include <random>

#include "fourmod_embedded.hpp"
#include "literal_walk.hpp"
#include "process.hpp"

namespace {

struct Outcome {
    int status;
    long long value;
    bool clean;  // game.out holds exactly one decimal line on success and nothing otherwise
};

// Runs the real program on each system in a forked child, in a temporary folder (in memory
// where the machine has one: the program truncates game.out on every run).
std::vector<Outcome> run_all(const std::vector<System>& systems)
{
    TempDir dir = std::filesystem::is_directory("/dev/shm") ? TempDir("/dev/shm") : TempDir();
    std::size_t bytes = std::max<std::size_t>(1, systems.size() * sizeof(Outcome));
    void* shared = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (shared == MAP_FAILED)
        throw std::runtime_error("mmap failed");
    auto* out = static_cast<Outcome*>(shared);
    pid_t pid = fork();
    if (pid == 0) {
        std::freopen("/dev/null", "w", stderr);
        if (chdir(dir.path().c_str()) != 0)
            _exit(3);
        for (std::size_t i = 0; i < systems.size(); ++i) {
            char text[128];
            const System& s = systems[i];
            int len = std::snprintf(text, sizeof text, "%d %d %d %d\n%d %d %d %d\n", s[0], s[1], s[2], s[3], s[4],
                                    s[5], s[6], s[7]);
            int fd = open("game.in", O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd < 0 || write(fd, text, (std::size_t)len) != len || close(fd) != 0)
                _exit(4);
            int status = run_fourmod();
            char buf[64];
            fd = open("game.out", O_RDONLY);
            ssize_t got = fd < 0 ? -1 : read(fd, buf, sizeof buf);
            if (got < 0 || close(fd) != 0)
                _exit(5);
            std::string written(buf, (std::size_t)got);
            long long value = 0;
            bool clean = status != 0 ? written.empty()
                                     : !written.empty() && written.back() == '\n' &&
                                           std::to_string(value = std::stoll(written)) + "\n" == written;
            out[i] = {status, value, clean};
        }
        _exit(0);
    }
    int status = -1;
    waitpid(pid, &status, 0);
    std::vector<Outcome> result(out, out + systems.size());
    munmap(shared, bytes);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("the child running fourmod failed");
    return result;
}

void expect_same_as_walk(const std::vector<System>& systems)
{
    std::vector<Outcome> got = run_all(systems);
    int mismatches = 0;
    for (std::size_t i = 0; i < systems.size() && mismatches < 10; ++i) {
        std::optional<long long> want = literal_walk(systems[i]);
        const Outcome& o = got[i];
        bool same = o.clean && (want ? o.status == 0 && o.value == *want : o.status == 1);
        if (!same) {
            ++mismatches;
            ADD_FAILURE() << "system " << ::testing::PrintToString(systems[i]) << ": walk "
                          << (want ? std::to_string(*want) : "none") << ", fourmod status " << o.status << " value "
                          << o.value << (o.clean ? "" : " (game.out malformed)");
        }
    }
}

// Every combination of moduli from `moduli` and residues from `residues`.
std::vector<System> domain(const std::vector<int>& moduli, const std::vector<int>& residues)
{
    std::vector<System> all;
    std::size_t m = moduli.size(), q = residues.size();
    std::size_t md = m * m * m * m, rd = q * q * q * q;
    for (std::size_t a = 0; a < md; ++a)
        for (std::size_t b = 0; b < rd; ++b) {
            System s;
            for (std::size_t j = 0, ca = a, cb = b; j < 4; ++j, ca /= m, cb /= q) {
                s[j] = moduli[ca % m];
                s[4 + j] = residues[cb % q];
            }
            all.push_back(s);
        }
    return all;
}

TEST(FourmodWalk, EverySystemOfSignedSmallModuli)
{
    expect_same_as_walk(domain({-3, -2, 2, 3}, {-3, -1, 0, 1, 3}));
}

TEST(FourmodWalk, EverySystemWithUnitAndCompositeModuli)
{
    expect_same_as_walk(domain({-4, -1, 1, 6}, {-5, -1, 0, 3}));
}

TEST(FourmodWalk, SeededRandomConsistentAndInconsistentSystems)
{
    std::mt19937 gen(7);
    std::uniform_int_distribution<int> modulus(1, 40), coin(0, 1), x(-2'000'000, 2'000'000);
    std::vector<System> systems;
    for (int i = 0; i < 20000; ++i) {
        System s;
        bool negative_walk = i % 5 == 0;
        for (int j = 0; j < 4; ++j)
            s[j] = modulus(gen) * (negative_walk || coin(gen) ? -1 : 1);
        // Half are built around a value that passes every test; half have arbitrary residues.
        int target = x(gen);
        std::uniform_int_distribution<int> residue(-45, 45);
        for (int j = 0; j < 4; ++j)
            s[4 + j] = i % 2 ? target % s[j] : residue(gen);
        systems.push_back(s);
    }
    expect_same_as_walk(systems);
}

}  // namespace
