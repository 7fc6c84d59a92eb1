// Whole-process timings of both programs next to their floors, in one run on one CPU.
// Prints Markdown tables; every ratio compares medians of runs interleaved in the same rounds.
#include <fcntl.h>
#include <sched.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

[[noreturn]] void die(const std::string& message)
{
    std::cerr << "bench: " << message << '\n';
    std::exit(2);
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

std::string read_file(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Starts argv with the given pipe ends as its stdin and stdout (-1: inherit); its refusals,
// part of some inputs, go to /dev/null.
pid_t spawn(const std::vector<std::string>& argv, int in_fd, int out_fd)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    if (in_fd >= 0)
        posix_spawn_file_actions_adddup2(&actions, in_fd, 0);
    if (out_fd >= 0)
        posix_spawn_file_actions_adddup2(&actions, out_fd, 1);
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t pid;
    if (posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ) != 0)
        die("cannot start " + argv[0]);
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

int reap(pid_t pid)
{
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Runs `contenders` interleaved, round after round, until each has spent about `budget`
// seconds (at least one run, at most max_runs); returns their median times in seconds.
std::vector<double> race(const std::vector<std::function<double()>>& contenders, double budget, int max_runs)
{
    std::vector<std::vector<double>> samples(contenders.size());
    std::vector<int> wanted(contenders.size(), 1);
    for (int round = 0;; ++round) {
        bool any = false;
        for (std::size_t i = 0; i < contenders.size(); ++i) {
            if ((int)samples[i].size() >= wanted[i])
                continue;
            samples[i].push_back(contenders[i]());
            if (round == 0)
                wanted[i] = std::clamp((int)(budget / std::max(samples[i][0], 1e-6)), 1, max_runs);
            any = true;
        }
        if (!any)
            break;
    }
    std::vector<double> medians;
    for (const auto& s : samples)
        medians.push_back(median(s));
    return medians;
}

std::string us(double seconds)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.0f µs", seconds * 1e6);
    return buf;
}

std::string fixed(double v, int digits)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.*f", digits, v);
    return buf;
}

// ---- fourmod ----------------------------------------------------------------------------

struct GameRun {
    double seconds;
    int status;
    std::string out;
};

// One run of a program that reads game.in and writes game.out in the current folder. Every
// run finds no game.out: truncating one that another program filled would be charged to it.
GameRun run_game(const std::string& program)
{
    fs::remove("game.out");
    auto start = Clock::now();
    pid_t pid = spawn({program}, -1, -1);
    int status = reap(pid);
    double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return {seconds, status, read_file("game.out")};
}

// A run of the floor, whose output means nothing.
std::function<double()> floor_contender(const std::string& program)
{
    return [program] { return run_game(program).seconds; };
}

// A run whose status and game.out are checked, so that a wrong program cannot look fast.
std::function<double()> game_contender(const std::string& program, const std::string& expected, int status)
{
    return [program, expected, status] {
        GameRun r = run_game(program);
        if (r.status != status || (status == 0 && r.out != expected))
            die(program + " wrote \"" + r.out + "\" with status " + std::to_string(r.status) + ", expected \"" +
                expected + "\"");
        return r.seconds;
    };
}

void fourmod_walk_table(const std::string& fourmod, const std::string& walk, const std::string& floor, int max_exp)
{
    std::cout << "### fourmod against the literal walk\n\n"
              << "Moduli 1000000007 1000000009 1 1; the residues put the first solution after the given number of\n"
              << "candidates on the walk of stride 1000000009.\n\n"
              << "| walk candidates | literal walk | fourmod | read and write only | fourmod / floor | walk / fourmod |\n"
              << "|---:|---:|---:|---:|---:|---:|\n";
    const long long q = 1000000007, p = 1000000009, r1 = 12345;
    long long steps = 1;
    for (int e = 1; e <= max_exp; ++e) {
        steps *= 10;
        if (e < 3)
            continue;
        long long x = r1 + (steps - 1) * p;  // candidate number `steps`; earlier ones differ mod q
        std::ofstream("game.in") << q << ' ' << p << " 1 1\n" << x % q << ' ' << r1 << " 0 0\n";
        std::string expected = std::to_string(x) + "\n";
        std::vector<double> m = race({game_contender(walk, expected, 0), game_contender(fourmod, expected, 0),
                                      floor_contender(floor)},
                                     1.5, 200);
        std::cout << "| 10^" << e << " | " << (m[0] >= 0.1 ? fixed(m[0], 2) + " s" : us(m[0])) << " | " << us(m[1])
                  << " | " << us(m[2]) << " | " << fixed(m[1] / m[2], 3) << " | " << fixed(m[0] / m[1], 0) << " |"
                  << std::endl;
    }
    std::cout << '\n';
}

void fourmod_hard_table(const std::string& fourmod, const std::string& floor)
{
    struct Hard {
        const char* what;
        const char* game_in;
        const char* out;  // empty: refused with status 1
    };
    const Hard inputs[] = {
        {"moduli near 2^31, answer 2^63 - 1", "2147483647 2147483646 2147483645 1\n1 7 17 0\n",
         "9223372036854775807\n"},
        {"moduli near -2^31, answer -2^63", "-2147483647 -2147483646 -2147483645 -2147483648\n-2 -8 -18 0\n",
         "-9223372036854775808\n"},
        {"first solution just beyond 2^63 - 1", "2147483647 2147483646 2147483645 1\n2 8 18 0\n", ""},
        {"contradictory moduli near 2^31", "2147483646 2147483644 2147483642 2147483640\n1 0 1 0\n", ""},
        {"residues no candidate can meet", "2147483647 -2147483648 5 7\n-5 6 1 1\n", ""},
    };
    std::cout << "### fourmod on the hardest inputs against the floor\n\n"
              << "| input | fourmod | read and write only | ratio |\n|---|---:|---:|---:|\n";
    for (const Hard& h : inputs) {
        std::ofstream("game.in") << h.game_in;
        int status = *h.out ? 0 : 1;
        std::vector<double> m = race({game_contender(fourmod, h.out, status),
                                      floor_contender(floor)},
                                     1.5, 2000);
        std::cout << "| " << h.what << " | " << us(m[0]) << " | " << us(m[1]) << " | " << fixed(m[0] / m[1], 3) << " |"
                  << std::endl;
    }
    std::cout << '\n';
}

// ---- sortprobe --------------------------------------------------------------------------

struct Dialogue {
    double seconds;
    long long queries;
    long long answer;
    std::string lines;  // everything the client wrote
};

// Plays the interactor with raw reads and writes: one dialogue with `argv` over hidden values.
Dialogue hold_dialogue(const std::vector<std::string>& argv, const std::vector<long long>& values)
{
    int to[2], from[2];
    if (pipe2(to, O_CLOEXEC) != 0 || pipe2(from, O_CLOEXEC) != 0)
        die("cannot make pipes");
    auto start = Clock::now();
    pid_t pid = spawn(argv, to[0], from[1]);
    close(to[0]);
    close(from[1]);
    Dialogue d{0, 0, -1, {}};
    std::string count = std::to_string(values.size()) + "\n";
    if (write(to[1], count.data(), count.size()) != (ssize_t)count.size())
        die("the client did not take the count");
    char buf[4096];
    std::string pending;
    for (ssize_t got; d.answer < 0 && (got = read(from[0], buf, sizeof buf)) > 0;) {
        pending.append(buf, (std::size_t)got);
        std::size_t nl;
        while ((nl = pending.find('\n')) != std::string::npos) {
            std::string line = pending.substr(0, nl + 1);
            pending.erase(0, nl + 1);
            d.lines += line;
            int kind = 0, x = 0, y = 0;
            if (std::sscanf(line.c_str(), "%d %d %d", &kind, &x, &y) < 2)
                die("malformed line " + line);
            if (kind == 2) {
                d.answer = x;
                break;
            }
            ++d.queries;
            long long a = values[(std::size_t)x - 1], b = values[(std::size_t)y - 1];
            const char* reply = a < b ? "-1\n" : a == b ? "0\n" : "1\n";
            if (write(to[1], reply, std::strlen(reply)) < 0)
                die("the client stopped reading");
        }
    }
    close(to[1]);
    close(from[0]);
    if (reap(pid) != 0)
        die(argv[0] + " failed");
    d.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return d;
}

void sortprobe_table(const std::string& sortprobe, const std::string& client, int rounds)
{
    std::mt19937_64 gen(1009);
    std::uniform_int_distribution<long long> pick(0, 499);
    std::vector<long long> values(1009);
    for (long long& v : values)
        v = pick(gen);
    long long distinct = (long long)std::set<long long>(values.begin(), values.end()).size();
    Dialogue first = hold_dialogue({sortprobe}, values);
    if (first.answer != distinct)
        die("sortprobe answered " + std::to_string(first.answer) + ", expected " + std::to_string(distinct));
    std::ofstream("dialogue") << first.lines;
    auto contender = [&](std::vector<std::string> argv) {
        return [argv, &values, &first] {
            Dialogue d = hold_dialogue(argv, values);
            if (d.lines != first.lines)
                die(argv[0] + " held another dialogue");
            return d.seconds;
        };
    };
    std::vector<double> m =
        race({contender({sortprobe}), contender({client, (fs::current_path() / "dialogue").string()})}, 1e9, rounds);
    std::cout << "### sortprobe: one dialogue at n = 1009\n\n"
              << "Hidden values from 500 possible ones (" << distinct << " distinct), " << first.queries
              << " queries; the floor replays the same dialogue with one raw write and one raw read per line.\n\n"
              << "| client | median | µs per query | ratio |\n|---|---:|---:|---:|\n"
              << "| sortprobe | " << fixed(m[0] * 1e3, 1) << " ms | " << fixed(m[0] * 1e6 / (double)first.queries, 2)
              << " | " << fixed(m[0] / m[1], 3) << " |\n"
              << "| raw replay (floor) | " << fixed(m[1] * 1e3, 1) << " ms | "
              << fixed(m[1] * 1e6 / (double)first.queries, 2) << " | 1.000 |\n\n";
}

}  // namespace

int main(int argc, char** argv)
{
    bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
    if (argc > 2 || (argc == 2 && !quick))
        die("usage: bench [--quick]");
    // One CPU for the benchmark and every process it starts: both ends of a dialogue share it.
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(sysconf(_SC_NPROCESSORS_ONLN) - 1, &one);
    sched_setaffinity(0, sizeof one, &one);

    fs::path dir = fs::temp_directory_path() / ("bench-" + std::to_string(getpid()));
    fs::create_directories(dir);
    fs::current_path(dir);
    std::time_t now = std::time(nullptr);
    char date[32];
    std::strftime(date, sizeof date, "%Y-%m-%d", std::gmtime(&now));
    std::string cpu = "unknown CPU";
    std::ifstream info("/proc/cpuinfo");
    for (std::string line; std::getline(info, line);)
        if (line.rfind("model name", 0) == 0) {
            cpu = line.substr(line.find(':') + 2);
            break;
        }
    std::cout << "Measured on " << date << ", " << cpu << ", " << sysconf(_SC_NPROCESSORS_ONLN)
              << " cores, all processes pinned to one of them" << (quick ? " (quick run)" : "") << ".\n\n";

    sortprobe_table(SORTPROBE_PATH, REPLAY_CLIENT_PATH, quick ? 3 : 21);
    fourmod_hard_table(FOURMOD_PATH, IO_FLOOR_PATH);
    fourmod_walk_table(FOURMOD_PATH, LITERAL_WALK_PATH, IO_FLOOR_PATH, quick ? 6 : 9);
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(dir);
    return 0;
}
