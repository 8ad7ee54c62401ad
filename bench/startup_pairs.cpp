// Start-up of the lesson against a bare Qt window of the same size: the programs run back to
// back, round after round (rotating which goes first), each from process start to its first
// painted frame and on to its exit. Prints the medians, the median of the per-round ratios and
// the peak resident set sizes.
//
// Unless QT_QPA_PLATFORM says otherwise, everything runs on Qt's offscreen platform with one
// screen of 1280 x 1024 at 96 dpi, where the designed window fits as it is. The lesson runs once
// more per round on a 1024 x 768 screen, too small for the window and its frame: there it finds
// the largest zoom at which the window fits, as it would on such a screen in a classroom.
// Usage: bench-startup [ROUNDS]

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

extern char **environ;

namespace {

struct Run
{
    double firstFrameMs = 0;
    double exitMs = 0;
    double peakRssMb = 0;
    int width = 0;
    int height = 0;
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

Run runOnce(const char *program, const char *argument, const std::string &platform)
{
    setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
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
    long long firstFrameNs = -1;
    std::sscanf(text.c_str(), "%lld %d %d", &firstFrameNs, &run.width, &run.height);
    run.firstFrameMs = firstFrameNs / 1e6;
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

// An offscreen platform whose one screen has the given size, described in a file in `dir`.
std::string offscreenPlatform(const std::string &dir, int width, int height)
{
    const std::string path =
        dir + "/screen-" + std::to_string(width) + "x" + std::to_string(height) + ".json";
    std::ofstream(path) << "{\"screens\": [{\"name\": \"bench\", \"x\": 0, \"y\": 0, "
                        << "\"width\": " << width << ", \"height\": " << height
                        << ", \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}\n";
    return "offscreen:configfile=" + path;
}

struct Series
{
    const char *name;
    const char *argument;
    const char *program;
    std::string platform;
    std::vector<Run> runs;
};

} // namespace

int main(int argc, char *argv[])
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    setenv("QT_LOGGING_RULES", "qt.qpa.*=false", 1);
    // Qt asks for a runtime directory and says so on every start; a private one keeps the output
    // clean and holds the screens' descriptions.
    static char scratch[] = "/tmp/bench-startup-XXXXXX";
    if (!mkdtemp(scratch))
        die("mkdtemp");
    if (!std::getenv("XDG_RUNTIME_DIR"))
        setenv("XDG_RUNTIME_DIR", scratch, 1);
    const char *chosen = std::getenv("QT_QPA_PLATFORM");
    const std::string platform = chosen ? chosen : offscreenPlatform(scratch, 1280, 1024);

    std::vector<Series> series = {{"bare Qt window", nullptr, BARE_WINDOW, platform, {}},
                                  {"bare window + 1 label", "--text", BARE_WINDOW, platform, {}},
                                  {"lesson", nullptr, LESSON_WINDOW, platform, {}}};
    constexpr int kBare = 0, kText = 1, kLesson = 2, kSmallScreen = 3;
    if (!chosen)
        series.push_back({"lesson, 1024 x 768 screen",
                          nullptr,
                          LESSON_WINDOW,
                          offscreenPlatform(scratch, 1024, 768),
                          {}});
    const int count = int(series.size());

    // Two rounds first, untimed, so that every program starts from a warm file cache.
    for (int i = 0; i < 2; ++i)
        for (Series &s : series)
            runOnce(s.program, s.argument, s.platform);

    // Each round runs them all back to back, in a rotating order.
    for (int i = 0; i < rounds; ++i)
        for (int k = 0; k < count; ++k) {
            Series &s = series[std::size_t((i + k) % count)];
            s.runs.push_back(runOnce(s.program, s.argument, s.platform));
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
        for (std::size_t i = 0; i < std::size_t(rounds); ++i)
            ratios.push_back(series[std::size_t(a)].runs[i].*field /
                             series[std::size_t(b)].runs[i].*field);
        return median(ratios);
    };

    std::printf("Start-up, %d rounds back to back, QT_QPA_PLATFORM=%s (medians)\n", rounds,
                chosen ? chosen : "offscreen, 1280 x 1024 screen");
    std::printf("  %-26s %13s %13s %13s %12s\n", "", "first frame", "exit", "peak RSS", "window");
    for (const Series &s : series)
        std::printf("  %-26s %10.1f ms %10.1f ms %10.1f MB %5d x %d\n", s.name,
                    median(column(s, &Run::firstFrameMs)), median(column(s, &Run::exitMs)),
                    median(column(s, &Run::peakRssMb)), s.runs.back().width, s.runs.back().height);
    const double startRatio = ratio(kLesson, kBare, &Run::firstFrameMs);
    const double memoryRatio = ratio(kLesson, kBare, &Run::peakRssMb);
    std::printf("  %-26s %12.2fx %12.2fx %12.2fx\n", "lesson / bare window", startRatio,
                ratio(kLesson, kBare, &Run::exitMs), memoryRatio);
    std::printf("  %-26s %12.2fx %12.2fx %12.2fx\n", "lesson / window + label",
                ratio(kLesson, kText, &Run::firstFrameMs), ratio(kLesson, kText, &Run::exitMs),
                ratio(kLesson, kText, &Run::peakRssMb));
    if (count > kSmallScreen)
        std::printf("  %-26s %12.2fx %12.2fx %12.2fx\n", "1024 x 768 / bare window",
                    ratio(kSmallScreen, kBare, &Run::firstFrameMs),
                    ratio(kSmallScreen, kBare, &Run::exitMs),
                    ratio(kSmallScreen, kBare, &Run::peakRssMb));
    std::printf("  target against the bare window: start-up within 1.25x: %s; memory within "
                "1.25x: %s\n",
                startRatio <= 1.25 ? "met" : "MISSED", memoryRatio <= 1.25 ? "met" : "MISSED");
    return 0;
}
