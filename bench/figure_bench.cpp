// In-process timings of the lesson's heaviest work, on Qt's offscreen platform:
//  - a distance picked in its list, to a finished repaint of the whole window, for the figure
//    with the most grid points (r1 = r2 = 5, PQ = 12) and the one with the most dots
//    (r1 = r2 = 5, PQ = 0), each as a share of one 60 Hz frame;
//  - a step of the teacher's zoom (Ctrl+Minus, then Ctrl+0 back) to a finished repaint of the
//    window at its new size, as a share of one frame;
//  - the common-region scan alone, forEachStipplePoint, for those two figures and for every
//    figure the lists can give (r1 and r2 from 1 to 5, PQ from 0 to 12), with its cost per grid
//    point.
// Ends with a short table that can be compared run to run.

#include "choice/choice.h"
#include "figure/figure.h"
#include "platform/choicelist.h"
#include "platform/labelbutton.h"
#include "window/lessonwindow.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QWindow>

#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr double kFrameMs = 1000.0 / 60.0;
constexpr double kChoiceTargetMs = kFrameMs / 10.0;

LessonWindow *window = nullptr;

[[noreturn]] void fail(const char *what, const char *name)
{
    std::fprintf(stderr, "%s: %s\n", what, name);
    std::abort();
}

template <typename Widget> Widget *control(const char *name)
{
    auto *widget = window->findChild<Widget *>(QString::fromLatin1(name));
    if (!widget)
        fail("the window has no control", name);
    return widget;
}

// The lesson's window on the practice page, shown and painted once.
LessonWindow &lesson()
{
    if (!window) {
        window = new LessonWindow;
        window->showFitted();
        while (!window->windowHandle() || !window->windowHandle()->isExposed())
            QCoreApplication::processEvents();
        window->repaint();
        control<LabelButton>("next")->click();
        QCoreApplication::processEvents();
    }
    return *window;
}

// A pick in a list, as the pupil's mouse or an assistive tool makes it.
void choose(const char *list, int value)
{
    if (!control<ChoiceList>(list)->choose(value))
        fail("the list refused its value", list);
}

// r1 = r2 = 5 and the given distance, in the order the lists open.
void chooseFigure(int distance)
{
    choose("r1", 5);
    choose("r2", 5);
    choose("distance", distance);
    QCoreApplication::processEvents();
    // The rule that holds shows the choice was taken: (2) for the same circle, (5) apart.
    const auto *rule = control<QWidget>(distance == 0 ? "rule2" : "rule5");
    if (rule->palette().color(QPalette::Base) != QColor(255, 255, 0))
        fail("the window did not take the choice", "r1 = r2 = 5");
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const std::size_t at = std::min(values.size() - 1, std::size_t(p * (values.size() - 1) + 0.5));
    return values[at];
}

// The processor time of this thread: unlike the wall clock, it leaves out the time the
// machine gave to other programs.
double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct ChoiceResult
{
    double medianMs = 0, p90Ms = 0, maxMs = 0, cpuMedianMs = 0;
};
std::map<std::string, ChoiceResult> choices;

// From the distance pick to the last pixel of the window's repaint: the handlers run, queued
// events (the controls' update requests) are delivered, and the window repaints in full.
void choiceToRepaint(benchmark::State &state, const char *label, int distance)
{
    LessonWindow &w = lesson();
    chooseFigure(distance);
    std::vector<double> samples, cpuSamples;
    QElapsedTimer timer;
    for (auto _ : state) {
        const double cpuStart = threadCpuMs();
        timer.start();
        choose("distance", distance);
        QCoreApplication::sendPostedEvents();
        w.repaint();
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

// The same choice without the repaint: the handlers' own share.
void choiceHandlerOnly(benchmark::State &state, int distance)
{
    lesson();
    chooseFigure(distance);
    for (auto _ : state) {
        choose("distance", distance);
        QCoreApplication::sendPostedEvents();
    }
}

std::vector<double> zoomSteps;

// A zoom step, down and back, each from the key to the last pixel of the window's repaint at its
// new size; the largest figure drawn.
void zoomStep(benchmark::State &state)
{
    LessonWindow &w = lesson();
    chooseFigure(12);
    QElapsedTimer timer;
    for (auto _ : state) {
        for (const Qt::Key key : {Qt::Key_Minus, Qt::Key_0}) {
            timer.start();
            QTest::keyClick(&w, key, Qt::ControlModifier);
            QCoreApplication::sendPostedEvents();
            w.repaint();
            zoomSteps.push_back(timer.nsecsElapsed() / 1e6);
        }
        state.SetIterationTime(zoomSteps.back() / 1e3);
    }
    if (w.width() != 1018)
        fail("the zoom did not come back to the designed size", "Ctrl+0");
}

// The grid the scan walks, counted the way it steps (see forEachStipplePoint).
long long gridPoints(const Choice &c)
{
    long long columns = 0, rows = 0;
    const float xEnd = float(static_cast<long double>(*c.r2) + c.xQ());
    for (float x = float(static_cast<long double>(c.xP()) - *c.r1); x <= xEnd; x += 0.2f)
        ++columns;
    const float yEnd = float(Choice::kCentreLine + *c.r2);
    for (float y = float(Choice::kCentreLine - *c.r1); y <= yEnd; y += 0.2f)
        ++rows;
    return columns * rows;
}

std::vector<Choice> everyListFigure()
{
    std::vector<Choice> figures;
    for (int r1 = 1; r1 <= 5; ++r1)
        for (int r2 = 1; r2 <= 5; ++r2)
            for (int distance = 0; distance <= 12; ++distance)
                figures.push_back(Choice{r1, r2, distance});
    return figures;
}

struct ScanResult
{
    long long points = 0;
    long long dots = 0;
    double nsPerScan = 0; // processor time, filled in by the reporter
};
std::map<std::string, ScanResult> scans;

// The scan alone over the given figures, the dots counted and not drawn.
void scan(benchmark::State &state, const std::string &label, const std::vector<Choice> &figures)
{
    long long points = 0, dots = 0;
    for (const Choice &c : figures)
        points += gridPoints(c);
    for (auto _ : state) {
        dots = 0;
        for (const Choice &c : figures)
            forEachStipplePoint(c, [&dots](float, float) { ++dots; });
        benchmark::DoNotOptimize(dots);
    }
    state.counters["grid_points"] = double(points);
    state.counters["ns_per_point"] =
        benchmark::Counter(double(points), benchmark::Counter::kIsIterationInvariantRate |
                                               benchmark::Counter::kInvert);
    scans[label].points = points;
    scans[label].dots = dots;
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

    const double zoomMedian = percentile(zoomSteps, 0.5);
    std::printf("\nA zoom step, from the key to a finished repaint at the new size\n");
    std::printf("  median %.2f ms, p90 %.2f ms, max %.2f ms over %zu steps: %.0f%% of a frame; "
                "target under one frame: %s\n",
                zoomMedian, percentile(zoomSteps, 0.9), percentile(zoomSteps, 1.0),
                zoomSteps.size(), 100.0 * zoomMedian / kFrameMs,
                zoomMedian < kFrameMs ? "met" : "MISSED");

    std::printf("\nThe common-region scan alone (processor time)\n");
    std::printf("  %-40s %11s %8s %12s %11s\n", "figures", "grid points", "dots", "per scan",
                "per point");
    for (const auto &[label, s] : scans)
        std::printf("  %-40s %11lld %8lld %9.3f ms %8.2f ns\n", label.c_str(), s.points, s.dots,
                    s.nsPerScan / 1e6, s.nsPerScan / double(s.points));
}

} // namespace

int main(int argc, char *argv[])
{
    // A screen that holds the window at its designed size, and more.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TEST_SCREENS);
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));

    for (const auto &[name, distance] : {std::pair("r1 = r2 = 5, PQ = 12 (most grid points)", 12),
                                         std::pair("r1 = r2 = 5, PQ = 0 (most dots)", 0)}) {
        benchmark::RegisterBenchmark((std::string("choice/") + name).c_str(), choiceToRepaint, name,
                                     distance)
            ->UseManualTime()
            ->Iterations(400)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(
            ("choice handler only/PQ = " + std::to_string(distance)).c_str(), choiceHandlerOnly,
            distance)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("zoom step, down and back", zoomStep)
        ->UseManualTime()
        ->Iterations(40)
        ->Unit(benchmark::kMillisecond);
    const std::vector<Choice> all = everyListFigure();
    const std::pair<std::string, std::vector<Choice>> scanned[] = {
        {"r1 = r2 = 5, PQ = 0 (most dots)", {Choice{5, 5, 0}}},
        {"r1 = r2 = 5, PQ = 12 (most grid points)", {Choice{5, 5, 12}}},
        {"all " + std::to_string(all.size()) + " figures of the lists", all},
    };
    for (const auto &[label, figures] : scanned)
        benchmark::RegisterBenchmark(("scan/" + label).c_str(), scan, label, figures)
            ->Unit(benchmark::kMicrosecond);

    benchmark::Initialize(&argc, argv);
    TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    printTable();
    delete window;
    return 0;
}
