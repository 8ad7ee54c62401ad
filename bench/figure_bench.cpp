// In-process timings of the lesson's heaviest work, on Qt's offscreen platform:
//  - a distance choice from the pick to a finished repaint of the whole window, for the figure
//    with the most grid points (r1 = r2 = 5, PQ = 12) and the one with the most dots
//    (r1 = r2 = 5, PQ = 0), each as a share of one 60 Hz frame;
//  - the common-region scan alone over growing figures, up to the centres 32767 cm apart that a
//    typed distance can ask for, with its cost per grid point.
// Ends with a short table that can be compared run to run.

#include "platform/runtimeerror.h"
#include "window/lessonwindow.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>

#include <time.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr double kFrameMs = 1000.0 / 60.0;
constexpr double kChoiceTargetMs = kFrameMs / 10.0;

LessonWindow *window = nullptr;

// The lesson's window on the practice page, shown and painted once.
LessonWindow &lesson()
{
    if (!window) {
        platform::setUnhandledErrorReporter([](const QString &message) {
            std::fprintf(stderr, "unhandled error in the lesson: %s\n", qPrintable(message));
            std::abort();
        });
        window = new LessonWindow;
        window->Form_Load();
        window->show();
        while (!window->form->windowHandle() || !window->form->windowHandle()->isExposed())
            QCoreApplication::processEvents();
        window->form->repaint();
        emit window->lblNext->clicked();
        QCoreApplication::processEvents();
    }
    return *window;
}

// A pick in a list, as the pupil's mouse makes it: the item becomes current, then activated.
void pick(platform::ComboBox *list, const QString &item)
{
    const int index = list->findText(item);
    if (index < 0) {
        std::fprintf(stderr, "list %s has no item %s\n", qPrintable(list->objectName()),
                     qPrintable(item));
        std::abort();
    }
    list->setCurrentIndex(index);
    emit list->activated(index);
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const std::size_t at = std::min(values.size() - 1, std::size_t(p * (values.size() - 1) + 0.5));
    return values[at];
}

struct ChoiceResult
{
    double medianMs = 0, p90Ms = 0, maxMs = 0, cpuMedianMs = 0;
};

// The processor time of this thread: unlike the wall clock, it leaves out the time the
// machine gave to other programs.
double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}
std::map<std::string, ChoiceResult> choices;

// From the distance pick to the last pixel of the window's repaint: the handler runs, queued
// events (the controls' update requests) are delivered, and the window repaints in full.
void choiceToRepaint(benchmark::State &state, const char *label, const char *distance)
{
    LessonWindow &w = lesson();
    pick(w.cboR1, QStringLiteral("5"));
    pick(w.cboR2, QStringLiteral("5"));
    pick(w.cboPQ, QString::fromLatin1(distance));
    QCoreApplication::processEvents();

    std::vector<double> samples, cpuSamples;
    QElapsedTimer timer;
    for (auto _ : state) {
        const double cpuStart = threadCpuMs();
        timer.start();
        pick(w.cboPQ, QString::fromLatin1(distance));
        QCoreApplication::sendPostedEvents();
        w.form->repaint();
        const double ms = timer.nsecsElapsed() / 1e6;
        cpuSamples.push_back(threadCpuMs() - cpuStart);
        state.SetIterationTime(ms / 1e3);
        samples.push_back(ms);
    }
    ChoiceResult &result = choices[label];
    result.medianMs = percentile(samples, 0.5);
    result.p90Ms = percentile(samples, 0.9);
    result.maxMs = percentile(samples, 1.0);
    result.cpuMedianMs = percentile(cpuSamples, 0.5);
    state.counters["median_ms"] = result.medianMs;
    state.counters["frame_share"] = result.medianMs / kFrameMs;
}

// The same choice without the repaint: the handler's own share.
void choiceHandlerOnly(benchmark::State &state, const char *distance)
{
    LessonWindow &w = lesson();
    pick(w.cboR1, QStringLiteral("5"));
    pick(w.cboR2, QStringLiteral("5"));
    for (auto _ : state) {
        pick(w.cboPQ, QString::fromLatin1(distance));
        QCoreApplication::sendPostedEvents();
    }
}

// The grid the scan walks, counted the way it steps: columns from xP - r1 to xQ + r2 and rows
// from yCentres - r1 to yCentres + r2, each coordinate advancing by 0.2 in single precision.
long long gridPoints(float xP, float xQ, int r1, int r2, int yCentres)
{
    long long columns = 0, rows = 0;
    for (float x = float(xP - r1); x <= float(xQ + r2); x += 0.2f)
        ++columns;
    for (float y = float(yCentres - r1); y <= float(yCentres + r2); y += 0.2f)
        ++rows;
    return columns * rows;
}

struct ScanResult
{
    std::string series;
    long long points = 0;
    double nsPerScan = 0; // processor time
};
std::map<std::string, ScanResult> scans;

// The scan alone, for radii r and distance PQ; the surface is cleared between scans, outside
// the timing, so the dots of one scan do not pile up under the next.
void scan(benchmark::State &state, const std::string &series, const std::string &label, int r,
          int distance)
{
    LessonWindow &w = lesson();
    w.r1 = qint16(r);
    w.r2 = qint16(r);
    w.yCentres = 13;
    w.xP = float(13 - distance / 2.0);
    w.xQ = float(distance / 2.0 + 13);
    const long long points = gridPoints(w.xP, w.xQ, r, r, 13);
    for (auto _ : state) {
        state.PauseTiming();
        w.surface().clear();
        state.ResumeTiming();
        w.ShadeCommonRegion();
    }
    state.SetComplexityN(points);
    state.counters["grid_points"] = double(points);
    state.counters["ns_per_point"] =
        benchmark::Counter(double(points), benchmark::Counter::kIsIterationInvariantRate |
                                               benchmark::Counter::kInvert);
    // Recorded by the reporter below from the run's processor time.
    scans[label].points = points;
    scans[label].series = series;
}

class TableReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            const std::string name = run.benchmark_name();
            if (name.rfind("scan/", 0) == 0 && run.run_type == Run::RT_Iteration)
                scans[name.substr(5)].nsPerScan =
                    run.GetAdjustedCPUTime() * (run.time_unit == benchmark::kMillisecond   ? 1e6
                                                : run.time_unit == benchmark::kMicrosecond ? 1e3
                                                                                           : 1.0);
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

void printTable()
{
    std::printf("\nA distance choice, from the pick to a finished repaint of the window\n");
    std::printf("  %-40s %9s %9s %9s %10s %11s\n", "figure", "median", "p90", "max", "CPU med.",
                "of a frame");
    bool met = true;
    for (const auto &[label, r] : choices) {
        std::printf("  %-40s %6.3f ms %6.3f ms %6.2f ms %7.3f ms %10.1f%%\n", label.c_str(),
                    r.medianMs, r.p90Ms, r.maxMs, r.cpuMedianMs, 100.0 * r.medianMs / kFrameMs);
        met = met && r.medianMs < kChoiceTargetMs;
    }
    std::printf("  target: median under a tenth of a 60 Hz frame (%.2f ms): %s\n", kChoiceTargetMs,
                met ? "met" : "MISSED");

    std::printf("\nThe common-region scan alone, r1 = r2 (processor time)\n");
    std::printf("  %-30s %12s %12s %12s %9s\n", "figure", "grid points", "per scan", "per point",
                "growth");
    bool linear = true;
    for (const std::string series : {"dotted", "apart"}) {
        std::vector<std::pair<long long, std::string>> order;
        for (const auto &[label, s] : scans)
            if (s.series == series)
                order.emplace_back(s.points, label);
        std::sort(order.begin(), order.end());
        const ScanResult *previous = nullptr;
        for (const auto &[points, label] : order) {
            const ScanResult &s = scans[label];
            // The exponent of the growth from the figure before: 1 is linear in the grid points.
            char growth[16] = "";
            if (previous) {
                const double exponent = std::log(s.nsPerScan / previous->nsPerScan) /
                                        std::log(double(s.points) / double(previous->points));
                std::snprintf(growth, sizeof growth, "n^%.2f", exponent);
                if (previous->points >= 10000 && exponent > 1.15)
                    linear = false;
            }
            std::printf("  %-30s %12lld %9.3f ms %9.2f ns %9s\n", label.c_str(), s.points,
                        s.nsPerScan / 1e6, s.nsPerScan / double(s.points), growth);
            previous = &s;
        }
    }
    std::printf("  the cost grows no faster than the number of grid points (exponent <= 1.15 from "
                "10 000 points on): %s\n",
                linear ? "yes" : "NO");
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));

    benchmark::RegisterBenchmark("choice/r1=r2=5 PQ=12 (most grid points)", choiceToRepaint,
                                 "r1 = r2 = 5, PQ = 12 (most grid points)", "12")
        ->UseManualTime()
        ->Iterations(400)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("choice/r1=r2=5 PQ=0 (most dots)", choiceToRepaint,
                                 "r1 = r2 = 5, PQ = 0 (most dots)", "0")
        ->UseManualTime()
        ->Iterations(400)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("choice handler only/PQ=12", choiceHandlerOnly, "12")
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("choice handler only/PQ=0", choiceHandlerOnly, "0")
        ->Unit(benchmark::kMillisecond);

    // Coinciding discs: every grid point inside the disc is dotted.
    for (int r : {1, 2, 5, 10, 20, 40}) {
        const std::string label = "PQ=0 r=" + std::to_string(r) + " (dotted)";
        benchmark::RegisterBenchmark(("scan/" + label).c_str(), scan, "dotted", label, r, 0)
            ->Unit(benchmark::kMicrosecond);
    }
    // Discs apart, ever further: the lists' 12, then typed distances up to the 16-bit clamp.
    for (int distance : {12, 100, 1000, 10000, 32767}) {
        const std::string label = "r=5 PQ=" + std::to_string(distance) + " (apart)";
        benchmark::RegisterBenchmark(("scan/" + label).c_str(), scan, "apart", label, 5, distance)
            ->Unit(benchmark::kMicrosecond);
    }

    benchmark::Initialize(&argc, argv);
    TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    printTable();
    delete window;
    return 0;
}
