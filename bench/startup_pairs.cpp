// Start-up of the lesson against a bare Qt window of the same size: the two programs run back to
// back, pair after pair (alternating which goes first), each from process start to its first
// painted frame and on to its exit. Prints the medians, the median of the per-pair ratios and
// both peak resident set sizes.
// Usage: bench-startup [PAIRS]   (the platform plugin is taken from QT_QPA_PLATFORM, offscreen
// when unset)

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char **environ;

namespace {

struct Run
{
    double firstFrameMs = 0;
    double exitMs = 0;
    double peakRssMb = 0;
};

long long nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

[[noreturn]] void die(const char *what)
{
    std::perror(what);
    std::exit(2);
}

Run runOnce(const char *program, const char *argument = nullptr)
{
    int out[2];
    if (pipe(out) != 0)
        die("pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);

    const long long start = nowNs();
    setenv("BENCH_SPAWN_NS", std::to_string(start).c_str(), 1);
    char *argv[] = {const_cast<char *>(program), const_cast<char *>(argument), nullptr};
    pid_t pid;
    if (posix_spawn(&pid, program, &actions, nullptr, argv, environ) != 0)
        die(program);
    close(out[1]);
    posix_spawn_file_actions_destroy(&actions);

    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, std::size_t(n));
    close(out[0]);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        die("wait4");
    const long long end = nowNs();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not exit cleanly (status %d)\n", program, status);
        std::exit(2);
    }
    Run run;
    run.firstFrameMs = std::atoll(text.c_str()) / 1e6;
    run.exitMs = (end - start) / 1e6;
    run.peakRssMb = usage.ru_maxrss / 1024.0; // kilobytes on Linux
    if (run.firstFrameMs <= 0) {
        std::fprintf(stderr, "%s reported no painted frame\n", program);
        std::exit(2);
    }
    return run;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

struct Series
{
    const char *name;
    const char *argument;
    const char *program;
    std::vector<Run> runs;
};

int main(int argc, char *argv[])
{
    const int pairs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("QT_LOGGING_RULES", "qt.qpa.*=false", 1);
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        // Qt asks for one and says so on every start; a private one keeps the output clean.
        static char runtime[] = "/tmp/bench-startup-XXXXXX";
        if (mkdtemp(runtime))
            setenv("XDG_RUNTIME_DIR", runtime, 1);
    }

    Series series[] = {{"bare Qt window", nullptr, BARE_WINDOW, {}},
                       {"bare window + 1 label", "--text", BARE_WINDOW, {}},
                       {"lesson", nullptr, LESSON_WINDOW, {}}};
    constexpr int kBare = 0, kText = 1, kLesson = 2;

    // Two rounds first, untimed, so that every program starts from a warm file cache.
    for (int i = 0; i < 2; ++i)
        for (Series &s : series)
            runOnce(s.program, s.argument);

    // Each round runs the three back to back, in a rotating order.
    for (int i = 0; i < pairs; ++i)
        for (int k = 0; k < 3; ++k) {
            Series &s = series[(i + k) % 3];
            s.runs.push_back(runOnce(s.program, s.argument));
        }

    const auto column = [](const Series &s, double Run::*field) {
        std::vector<double> values;
        for (const Run &run : s.runs)
            values.push_back(run.*field);
        return values;
    };
    // The median of the ratios of runs made in the same round.
    const auto ratio = [&](int a, int b, double Run::*field) {
        std::vector<double> ratios;
        for (int i = 0; i < pairs; ++i)
            ratios.push_back(series[a].runs[std::size_t(i)].*field /
                             series[b].runs[std::size_t(i)].*field);
        return median(ratios);
    };

    std::printf("Start-up, %d rounds back to back, QT_QPA_PLATFORM=%s (medians)\n", pairs,
                std::getenv("QT_QPA_PLATFORM"));
    std::printf("  %-26s %13s %13s %13s\n", "", "first frame", "exit", "peak RSS");
    for (const Series &s : series)
        std::printf("  %-26s %10.1f ms %10.1f ms %10.1f MB\n", s.name,
                    median(column(s, &Run::firstFrameMs)), median(column(s, &Run::exitMs)),
                    median(column(s, &Run::peakRssMb)));
    const double startRatio = ratio(kLesson, kBare, &Run::firstFrameMs);
    const double memoryRatio = ratio(kLesson, kBare, &Run::peakRssMb);
    std::printf("  %-26s %12.2fx %12.2fx %12.2fx\n", "lesson / bare window", startRatio,
                ratio(kLesson, kBare, &Run::exitMs), memoryRatio);
    std::printf("  %-26s %12.2fx %12.2fx %12.2fx\n", "lesson / window + label",
                ratio(kLesson, kText, &Run::firstFrameMs), ratio(kLesson, kText, &Run::exitMs),
                ratio(kLesson, kText, &Run::peakRssMb));
    std::printf("  target against the bare window: start-up within 1.25x: %s; memory within "
                "1.25x: %s\n",
                startRatio <= 1.25 ? "met" : "MISSED", memoryRatio <= 1.25 ? "met" : "MISSED");
    return 0;
}
