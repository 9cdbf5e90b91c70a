// Runs programs side by side, interleaved, and summarises what they report:
// used for start-up time and peak memory, where each run must be a fresh
// process.
//
//   bench_launch RUNS -- LABEL PROGRAM [ARGS...] -- LABEL PROGRAM [ARGS...]
//
// Each program runs once unrecorded (to warm the page cache and the X
// server), then RUNS times; rounds alternate the order of the programs so
// that neither always follows the other. A program prints "KEY VALUE" lines.
// "painted_at_ns" is a CLOCK_MONOTONIC reading and becomes "startup_ms", its
// distance from the reading this launcher takes immediately before
// posix_spawn (a vfork: nothing runs between the reading and exec).
// "exit_ms", from the same reading to the program's exit, is added for every
// run, so that a program that prints nothing is timed as a whole. Output,
// one line per label and key:
//
//   LABEL KEY median q1 q3 min max n
//
// No Qt here: the launcher must not share a cost with what it measures.
#include "bench/stats.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

struct Program {
    std::string label;
    std::vector<std::string> argv;
    std::map<std::string, std::vector<double>> figures;
};

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

[[noreturn]] void fail(const std::string& message) {
    std::fprintf(stderr, "bench_launch: %s\n", message.c_str());
    std::exit(1);
}

// Runs the program once; returns its figures for this run.
std::map<std::string, double> runOnce(const Program& program) {
    int out[2];
    if (pipe(out) != 0)
        fail("pipe: " + std::string(std::strerror(errno)));

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, out[1]);

    std::vector<char*> argv;
    for (const std::string& arg : program.argv)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    pid_t pid = 0;
    const long long start = monotonicNs();
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0)
        fail(program.argv[0] + ": " + std::strerror(spawned));

    std::string text;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = read(out[0], buffer, sizeof buffer)) > 0 || (got < 0 && errno == EINTR)) {
        if (got > 0)
            text.append(buffer, std::size_t(got));
    }
    close(out[0]);

    int status = 0;
    struct rusage usage = {};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    const long long end = monotonicNs();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        fail(program.label + " did not exit cleanly (status " + std::to_string(status) + ")");

    std::map<std::string, double> figures;
    figures["exit_ms"] = double(end - start) / 1e6;
    figures["maxrss_kb"] = double(usage.ru_maxrss); // the whole process's peak
    std::istringstream lines(text);
    std::string key;
    long long value = 0;
    while (lines >> key >> value) {
        if (key == "painted_at_ns")
            figures["startup_ms"] = double(value - start) / 1e6;
        else
            figures[key] = double(value);
    }
    return figures;
}

void pause(int ms) {
    timespec span{ms / 1000, (ms % 1000) * 1'000'000L};
    while (nanosleep(&span, &span) != 0 && errno == EINTR) {
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 5 || std::strcmp(argv[2], "--") != 0)
        fail("usage: bench_launch RUNS -- LABEL PROGRAM [ARGS...] [-- LABEL PROGRAM ...]");
    const int runs = std::atoi(argv[1]);

    std::vector<Program> programs;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0) {
            if (i + 2 >= argc)
                fail("a label and a program must follow --");
            programs.push_back({argv[i + 1], {}, {}});
            i += 1;
        } else {
            programs.back().argv.push_back(argv[i]);
        }
    }

    constexpr int gapMs = 150; // lets the window manager forget the last window
    for (Program& program : programs) {
        runOnce(program);
        pause(gapMs);
    }
    for (int round = 0; round < runs; ++round) {
        for (std::size_t k = 0; k < programs.size(); ++k) {
            Program& program = programs[round % 2 == 0 ? k : programs.size() - 1 - k];
            for (const auto& [key, value] : runOnce(program))
                program.figures[key].push_back(value);
            pause(gapMs);
        }
    }

    for (const Program& program : programs) {
        for (const auto& [key, sample] : program.figures) {
            const Stats::Summary s = Stats::summarise(sample);
            std::printf("%s %s %.3f %.3f %.3f %.3f %.3f %zu\n", program.label.c_str(), key.c_str(),
                        s.median, s.q1, s.q3, s.min, s.max, s.n);
        }
    }
    return 0;
}
