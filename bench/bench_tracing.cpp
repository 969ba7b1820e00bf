// How long one traced movement takes, end to end, with many segments on the picture: the
// mouse event entering the window, the handler, the work model and the repaint Qt does for
// it, processed until idle; and what a whole repaint costs, warm, after a resize and after a
// change of pixel ratio. Prints its figures as "name value unit" lines on stdout.
#include "app/formfeld1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

std::map<std::string, double> figures;

double residentMegabytes()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

double median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
}

const QPoint centre(300, 300);

// The window with `segments` traced segments scattered over the field picture, tracing on,
// in the sphere field so that every movement runs a work model. The newest segment starts
// near the centre, so that what a movement repaints is the same whatever the count.
std::unique_ptr<Formfeld1> windowWith(int segments)
{
    auto form = std::make_unique<Formfeld1>();
    form->show();
    QTest::qWaitForWindowExposed(form.get());
    QComboBox* combo = form->Combo1;
    combo->setCurrentIndex(5);
    emit combo->activated(5);
    QRandomGenerator random(42);
    for (int i = 0; i < segments; ++i) {
        const bool newest = i == segments - 1;
        const QPoint at = newest ? centre - QPoint(30, 20) : QPoint(random.bounded(20, 430), random.bounded(20, 430));
        QTest::mouseMove(form->windowHandle(), at);
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, at);
        if (i % 256 == 0)
            settle();
    }
    settle();
    return form;
}

void tracedMovement(benchmark::State& state)
{
    const int segments = int(state.range(0));
    auto form = windowWith(segments);
    std::vector<double> samples;
    int step = 0;
    QElapsedTimer timer;
    for (auto _ : state) {
        // Short moves around a point, as a hand tracing a segment makes them.
        const QPoint at = centre + QPoint(step % 7 * 3, step % 5 * 2);
        ++step;
        timer.start();
        QTest::mouseMove(form->windowHandle(), at);
        settle();
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        samples.push_back(ms);
        state.SetIterationTime(ms / 1000);
    }
    figures["move_ms_" + std::to_string(segments)] = median(samples);
}

void fullRepaint(benchmark::State& state)
{
    auto form = windowWith(32767);
    form->repaint(); // the first one renders the caches
    std::vector<double> samples;
    QElapsedTimer timer;
    for (auto _ : state) {
        timer.start();
        form->repaint();
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        samples.push_back(ms);
        state.SetIterationTime(ms / 1000);
    }
    figures["repaint_ms_32767"] = median(samples);
}

// The first complete repaint after the window changed size. The segments stay where they
// are, whatever the window's size.
void repaintAfterResize(benchmark::State& state)
{
    auto form = windowWith(32767);
    form->repaint();
    const QSize size = form->size();
    std::vector<double> samples;
    int step = 0;
    QElapsedTimer timer;
    for (auto _ : state) {
        form->resize(size + QSize(++step % 2, 0)); // a pixel wider, then back
        timer.start();
        form->repaint();
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        samples.push_back(ms);
        state.SetIterationTime(ms / 1000);
        settle();
    }
    figures["repaint_ms_32767_resize"] = median(samples);
}

// The first complete repaint after the window came back from a screen of another pixel
// ratio, for which every picture kept in the screen's own pixels had been drawn anew: the
// segments' lines and numbers and the work diagram's lines, as the user has the window. On
// the offscreen platform a move to another screen repaints the window before it returns.
void repaintAfterNewRatio(benchmark::State& state)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.size() < 2 || screens[0]->devicePixelRatio() == screens[1]->devicePixelRatio()) {
        state.SkipWithError("needs a second screen of another pixel ratio (bench/screens.json)");
        return;
    }
    const int segments = int(state.range(0));
    auto form = windowWith(segments);
    form->repaint();
    const QPoint home = form->pos();
    std::vector<double> samples;
    QElapsedTimer timer;
    for (auto _ : state) {
        form->move(screens[1]->geometry().topLeft());
        settle();
        timer.start();
        form->move(home);
        settle();
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        samples.push_back(ms);
        state.SetIterationTime(ms / 1000);
    }
    figures["repaint_ms_" + std::to_string(segments) + "_cold"] = median(samples);
}

void memoryOfAllSegments(benchmark::State& state)
{
    for (auto _ : state) {
        auto empty = windowWith(0);
        empty->repaint();
        const double before = residentMegabytes();
        empty.reset();
        auto full = windowWith(32767);
        full->repaint();
        figures["rss_mb_added_32767"] = residentMegabytes() - before;
    }
}

} // namespace

// Memory first: windows built and freed before would leave memory behind that the next
// one reuses, so that what it adds would depend on what ran before.
BENCHMARK(memoryOfAllSegments)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(tracedMovement)
    ->Arg(1)
    ->Arg(1000)
    ->Arg(32767)
    ->UseManualTime()
    ->Iterations(3000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(fullRepaint)->UseManualTime()->Iterations(30)->Unit(benchmark::kMillisecond);
BENCHMARK(repaintAfterResize)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);
BENCHMARK(repaintAfterNewRatio)->Arg(1000)->Arg(32767)->UseManualTime()->Iterations(7)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    // The library's own table goes to stderr; stdout carries only the figures.
    benchmark::ConsoleReporter reporter;
    reporter.SetOutputStream(&std::cerr);
    reporter.SetErrorStream(&std::cerr);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const std::pair<const char*, const char*> order[] = {
        {"move_ms_1", "ms"},
        {"move_ms_1000", "ms"},
        {"move_ms_32767", "ms"},
        {"repaint_ms_32767", "ms"},
        {"repaint_ms_32767_resize", "ms"},
        {"repaint_ms_1000_cold", "ms"},
        {"repaint_ms_32767_cold", "ms"},
        {"rss_mb_added_32767", "MB"},
    };
    for (const auto& [name, unit] : order)
        if (figures.count(name))
            std::printf("%s %.3f %s\n", name, figures[name], unit);
    return 0;
}
