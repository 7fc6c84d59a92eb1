// interactor: plays the counterpart of a distinct-count solution over its stdin/stdout.
// It sends the count, answers every "1 x y" query from the hidden values, checks the final
// "2 k" line against the number of distinct values, and prints one verdict line.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::size_t kMaxLine = 64;  // far above the longest valid line, "1 1009 1009"

const char kUsage[] =
    "usage: interactor (--values FILE | --random N DISTINCT [--seed S]) [--limit Q]\n"
    "                  [--timeout MS] [--transcript FILE|-] -- COMMAND [ARG...]\n";

[[noreturn]] void die(const std::string& message)
{
    std::cerr << "interactor: " << message << '\n';
    std::exit(2);
}

struct Options {
    std::vector<long long> values;
    std::optional<long long> limit;
    int timeout_ms = 2000;
    std::string transcript;
    std::vector<char*> command;
};

long long parse_integer(const std::string& text, const std::string& what)
{
    try {
        std::size_t used = 0;
        long long v = std::stoll(text, &used);
        if (used == text.size())
            return v;
    } catch (const std::exception&) {
    }
    die(what + ": not an integer: \"" + text + "\"");
}

std::vector<long long> read_values(const std::string& path)
{
    std::ifstream in(path);
    if (!in)
        die("cannot open " + path + ": " + std::strerror(errno));
    std::vector<long long> values;
    for (std::string word; in >> word;)
        values.push_back(parse_integer(word, path));
    return values;
}

// n values with exactly `distinct` different ones, spread over a wide range and shuffled.
std::vector<long long> random_values(long long n, long long distinct, unsigned long long seed)
{
    if (n < 0 || distinct < 0 || distinct > n || (n > 0 && distinct == 0) || n > 10'000'000)
        die("--random needs 0 <= DISTINCT <= N, DISTINCT >= 1 when N >= 1, N <= 10000000");
    std::mt19937_64 gen(seed);
    std::uniform_int_distribution<long long> wide(-1'000'000'000'000LL, 1'000'000'000'000LL);
    std::set<long long> pool;
    while ((long long)pool.size() < distinct)
        pool.insert(wide(gen));
    std::vector<long long> values(pool.begin(), pool.end());
    std::uniform_int_distribution<std::size_t> pick(0, pool.empty() ? 0 : pool.size() - 1);
    while ((long long)values.size() < n)
        values.push_back(values[pick(gen)]);
    std::shuffle(values.begin(), values.end(), gen);
    return values;
}

Options parse_options(int argc, char** argv)
{
    Options o;
    bool have_values = false;
    int i = 1;
    auto next = [&](const char* flag) -> std::string {
        if (i + 1 >= argc)
            die(std::string(flag) + " needs a value\n" + kUsage);
        return argv[++i];
    };
    for (; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--") {
            for (++i; i < argc; ++i)
                o.command.push_back(argv[i]);
            break;
        } else if (a == "--values") {
            o.values = read_values(next("--values"));
            have_values = true;
        } else if (a == "--random") {
            long long n = parse_integer(next("--random"), "--random N");
            long long distinct = parse_integer(next("--random"), "--random DISTINCT");
            unsigned long long seed = 1;
            if (i + 2 < argc && std::string(argv[i + 1]) == "--seed") {
                ++i;
                seed = (unsigned long long)parse_integer(next("--seed"), "--seed");
            }
            o.values = random_values(n, distinct, seed);
            have_values = true;
        } else if (a == "--limit") {
            o.limit = parse_integer(next("--limit"), "--limit");
        } else if (a == "--timeout") {
            long long ms = parse_integer(next("--timeout"), "--timeout");
            if (ms < 1 || ms > INT_MAX)
                die("--timeout takes milliseconds from 1 to 2147483647");
            o.timeout_ms = (int)ms;
        } else if (a == "--transcript") {
            o.transcript = next("--transcript");
        } else {
            die("unknown option " + a + "\n" + kUsage);
        }
    }
    if (!have_values || o.command.empty())
        die(std::string("hidden values and a command are both needed\n") + kUsage);
    o.command.push_back(nullptr);
    return o;
}

// "-?[1-9][0-9]*" or "0" within 32 bits: the only number form a solution may write.
std::optional<long long> canonical_int(const std::string& s)
{
    std::size_t start = s.size() > 1 && s[0] == '-' ? 1 : 0;
    if (start == s.size() || s.size() > 11 || (s[start] == '0' && s.size() > 1))
        return std::nullopt;
    for (std::size_t i = start; i < s.size(); ++i)
        if (s[i] < '0' || s[i] > '9')
            return std::nullopt;
    long long v = std::stoll(s);
    if (v < INT_MIN || v > INT_MAX)
        return std::nullopt;
    return v;
}

// Splits on single spaces only, so doubled or edge spaces give an empty, invalid word.
std::vector<std::string> words(const std::string& line)
{
    std::vector<std::string> out(1);
    for (char ch : line) {
        if (ch == ' ')
            out.emplace_back();
        else
            out.back() += ch;
    }
    return out;
}

std::string describe_status(int status)
{
    if (WIFEXITED(status))
        return "exit status " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status))
        return "killed by signal " + std::to_string(WTERMSIG(status)) + " (" + strsignal(WTERMSIG(status)) + ")";
    return "status " + std::to_string(status);
}

// The solution process and both pipes to it; every wait is bounded by the per-line timeout.
class Solution {
public:
    Solution(std::vector<char*>& command, int timeout_ms) : timeout_(timeout_ms)
    {
        int to[2], from[2], failed[2];
        if (pipe2(to, O_CLOEXEC) != 0 || pipe2(from, O_CLOEXEC) != 0 || pipe2(failed, O_CLOEXEC) != 0)
            die(std::string("cannot make pipes: ") + std::strerror(errno));
        pid_ = fork();
        if (pid_ < 0)
            die(std::string("cannot fork: ") + std::strerror(errno));
        if (pid_ == 0) {
            signal(SIGPIPE, SIG_DFL);
            dup2(to[0], 0);
            dup2(from[1], 1);
            execvp(command[0], command.data());
            int e = errno;
            (void)!write(failed[1], &e, sizeof e);
            _exit(127);
        }
        close(to[0]);
        close(from[1]);
        close(failed[1]);
        int e = 0;
        ssize_t got;
        while ((got = read(failed[0], &e, sizeof e)) < 0 && errno == EINTR) {
        }
        close(failed[0]);
        if (got == (ssize_t)sizeof e) {
            waitpid(pid_, nullptr, 0);
            die(std::string("cannot run ") + command[0] + ": " + std::strerror(e));
        }
        in_ = to[1];
        out_ = from[0];
        fcntl(in_, F_SETFL, O_NONBLOCK);
        fcntl(out_, F_SETFL, O_NONBLOCK);
    }

    ~Solution()
    {
        close(in_);
        close(out_);
        if (!reaped_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }

    Solution(const Solution&) = delete;
    Solution& operator=(const Solution&) = delete;

    // False when the solution no longer reads its input (the pipe is closed) or stays full.
    bool send(const std::string& line)
    {
        std::string data = line + '\n';
        std::size_t done = 0;
        auto deadline = Clock::now() + std::chrono::milliseconds(timeout_);
        while (done < data.size()) {
            ssize_t n = write(in_, data.data() + done, data.size() - done);
            if (n > 0) {
                done += (std::size_t)n;
            } else if (n < 0 && errno == EAGAIN) {
                if (!wait_for(in_, POLLOUT, deadline))
                    return false;
            } else if (!(n < 0 && errno == EINTR)) {
                return false;
            }
        }
        return true;
    }

    enum class Read { kLine, kEnd, kTimeout, kTooLong };

    // One line without its newline; what came before a timeout stays in partial().
    Read read_line(std::string& line)
    {
        auto deadline = Clock::now() + std::chrono::milliseconds(timeout_);
        for (;;) {
            std::size_t nl = buffer_.find('\n');
            if (nl != std::string::npos) {
                line = buffer_.substr(0, nl);
                buffer_.erase(0, nl + 1);
                return line.size() > kMaxLine ? Read::kTooLong : Read::kLine;
            }
            if (buffer_.size() > kMaxLine)
                return Read::kTooLong;
            char chunk[256];
            ssize_t n = read(out_, chunk, sizeof chunk);
            if (n > 0)
                buffer_.append(chunk, (std::size_t)n);
            else if (n == 0)
                return Read::kEnd;
            else if (errno == EAGAIN && !wait_for(out_, POLLIN, deadline))
                return Read::kTimeout;
            else if (errno != EAGAIN && errno != EINTR)
                return Read::kEnd;
        }
    }

    const std::string& partial() const { return buffer_; }

    // How the process ended, waiting at most the timeout before killing it.
    std::string end()
    {
        auto deadline = Clock::now() + std::chrono::milliseconds(timeout_);
        int status = 0;
        while (waitpid(pid_, &status, WNOHANG) == 0) {
            if (Clock::now() >= deadline) {
                kill(pid_, SIGKILL);
                waitpid(pid_, &status, 0);
                reaped_ = true;
                return "did not exit within " + std::to_string(timeout_) + " ms and was killed";
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        reaped_ = true;
        clean_exit_ = WIFEXITED(status) && WEXITSTATUS(status) == 0;
        return describe_status(status);
    }

    bool clean_exit() const { return clean_exit_; }

private:
    static bool wait_for(int fd, short events, Clock::time_point deadline)
    {
        for (;;) {
            auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
            if (left <= 0)
                return false;
            pollfd pfd{fd, events, 0};
            int n = poll(&pfd, 1, (int)std::min<long long>(left, INT_MAX));
            if (n > 0)
                return true;  // ready, or hung up: the next read or write says which
            if (n < 0 && errno != EINTR)
                return false;
        }
    }

    int timeout_;
    pid_t pid_ = -1;
    int in_ = -1, out_ = -1;
    std::string buffer_;
    bool reaped_ = false, clean_exit_ = false;
};

// Each line of the dialogue, marked "> " when sent to the solution and "< " when received.
class Transcript {
public:
    explicit Transcript(const std::string& path)
    {
        if (path.empty())
            return;
        if (path == "-") {
            out_ = &std::cout;
            return;
        }
        file_.open(path);
        if (!file_)
            die("cannot write " + path + ": " + std::strerror(errno));
        out_ = &file_;
    }
    void sent(const std::string& line) { put("> ", line); }
    void received(const std::string& line) { put("< ", line); }

private:
    void put(const char* mark, const std::string& line)
    {
        if (out_)
            *out_ << mark << line << std::endl;
    }
    std::ofstream file_;
    std::ostream* out_ = nullptr;
};

struct Verdict {
    std::string kind, detail;
};

std::string quoted(const std::string& s)
{
    std::string out = "\"";
    for (unsigned char ch : s) {
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += (char)ch;
        } else if (ch < 32 || ch >= 127) {
            static const char hex[] = "0123456789abcdef";
            out += "\\x";
            out += hex[ch >> 4];
            out += hex[ch & 15];
        } else {
            out += (char)ch;
        }
    }
    return out + "\"";
}

Verdict run(const Options& o, Solution& sol, Transcript& log)
{
    const long long n = (long long)o.values.size();
    const long long expected = (long long)std::set<long long>(o.values.begin(), o.values.end()).size();
    long long queries = 0;
    std::string last = "the count";
    auto timeout = [&](const std::string& after) {
        std::string detail = "no complete line within " + std::to_string(o.timeout_ms) + " ms after " + after +
                             "; the solution probably did not flush its output";
        if (!sol.partial().empty())
            detail += " (received so far: " + quoted(sol.partial()) + ")";
        return Verdict{"TIMEOUT", detail};
    };
    auto gone = [&](const std::string& how) {
        return Verdict{"CRASHED", how + " after " + std::to_string(queries) + " queries: " + sol.end()};
    };

    const std::string count = std::to_string(n);
    log.sent(count);
    if (!sol.send(count))
        return gone("stopped reading its input");
    for (;;) {
        std::string line;
        switch (sol.read_line(line)) {
        case Solution::Read::kTimeout:
            return timeout(last);
        case Solution::Read::kEnd:
            if (!sol.partial().empty())
                log.received(sol.partial());
            return gone("ended before its answer line");
        case Solution::Read::kTooLong:
            return {"PROTOCOL", "line longer than " + std::to_string(kMaxLine) + " characters: " +
                                    quoted((line.empty() ? sol.partial() : line).substr(0, kMaxLine)) + "..."};
        case Solution::Read::kLine:
            break;
        }
        log.received(line);
        std::vector<std::string> w = words(line);
        std::vector<std::optional<long long>> num;
        for (const std::string& s : w)
            num.push_back(canonical_int(s));
        bool numbers = std::all_of(num.begin(), num.end(), [](const auto& v) { return v.has_value(); });
        if (numbers && w.size() == 3 && *num[0] == 1) {
            long long x = *num[1], y = *num[2];
            if (x < 1 || x > n || y < 1 || y > n)
                return {"PROTOCOL", "item outside 1.." + std::to_string(n) + " in " + quoted(line)};
            ++queries;
            if (o.limit && queries > *o.limit)
                return {"LIMIT", "query " + std::to_string(queries) + " exceeds the limit of " +
                                     std::to_string(*o.limit) + ": " + quoted(line)};
            long long a = o.values[(std::size_t)x - 1], b = o.values[(std::size_t)y - 1];
            std::string reply = a < b ? "-1" : a == b ? "0" : "1";
            log.sent(reply);
            if (!sol.send(reply))
                return gone("stopped reading its input");
            last = "reply " + std::to_string(queries) + " (" + reply + " to " + quoted(line) + ")";
            continue;
        }
        if (!(numbers && w.size() == 2 && *num[0] == 2))
            return {"PROTOCOL", "malformed line " + quoted(line) + " after " + std::to_string(queries) + " queries"};
        long long k = *num[1];
        std::string extra;
        switch (sol.read_line(extra)) {
        case Solution::Read::kTimeout:
            if (sol.partial().empty())
                return {"TIMEOUT", "the solution did not end within " + std::to_string(o.timeout_ms) +
                                       " ms after its answer line"};
            [[fallthrough]];
        case Solution::Read::kLine:
        case Solution::Read::kTooLong:
            return {"PROTOCOL", "output after the answer line: " + quoted(extra.empty() ? sol.partial() : extra)};
        case Solution::Read::kEnd:
            if (!sol.partial().empty())
                return {"PROTOCOL", "output after the answer line: " + quoted(sol.partial())};
            break;
        }
        std::string ending = sol.end();
        std::string tally = std::to_string(queries) + " queries";
        if (k != expected)
            return {"WRONG", "answered " + std::to_string(k) + ", expected " + std::to_string(expected) + " (" + tally +
                                 ", " + ending + ")"};
        if (!sol.clean_exit())
            return {"CRASHED", "answered " + std::to_string(k) + " correctly, then " + ending};
        return {"OK", "answered " + std::to_string(k) + " with " + tally};
    }
}

}  // namespace

int main(int argc, char** argv)
{
    signal(SIGPIPE, SIG_IGN);  // a solution that stops reading is a verdict, not our death
    Options o = parse_options(argc, argv);
    Transcript log(o.transcript);
    Verdict v;
    {
        Solution sol(o.command, o.timeout_ms);
        v = run(o, sol, log);
    }
    std::cout << v.kind << ": " << v.detail << std::endl;
    return v.kind == "OK" ? 0 : 1;
}
