// Press latency inside the process: for each of the twelve answer buttons
// and each pathway open (first and again), the time from click() until the
// repaint it causes has been painted into the window's backing store. Run
// on the offscreen platform, so that no window system is waited for: this
// is what the program itself spends on a press. bench_presses measures the
// same presses on a real X server, flush and window manager included.
//
// Output, one tab-separated line per action in walk order, as bench_presses:
//   press LABEL median_ms p95_ms max_ms cold_ms handler_median_ms n
#include "bench/stats.h"
#include "model/clockdraws.h"
#include "model/scenario.h"
#include "windows/applicationinfo.h"
#include "windows/exercisewindow.h"
#include "windows/pathwaywindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Action {
    const char* label;
    Control button;
    bool hideFirst; // put the pathway window away before opening it again
};

using enum Control;

const Action walk[] = {
    {"seeanswer1", seeanswer1, false},           {"hideanswer1", hideanswer1, false},
    {"seeanswer2", seeanswer2, false},           {"seepathway1 (first)", seepathway1, false},
    {"seepathway1 (again)", seepathway1, true},  {"hideanswer2", hideanswer2, false},
    {"seeanswer3", seeanswer3, false},           {"hideanswer3", hideanswer3, false},
    {"seepathway2 (first)", seepathway2, false}, {"seepathway2 (again)", seepathway2, true},
    {"seeanswer4", seeanswer4, false},           {"hideanswer4", hideanswer4, false},
    {"seeanswer5", seeanswer5, false},           {"hideanswer5", hideanswer5, false},
    {"seeanswer6", seeanswer6, false},           {"hideanswer6", hideanswer6, false},
};

Pathway pathwayOf(Control button) {
    return button == seepathway1 ? Pathway::Gluconeogenesis : Pathway::CitricAcidCycle;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ApplicationInfo::apply(); // as the program does
    const int windows = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;

    std::vector<std::vector<double>> times(std::size(walk));
    std::vector<std::vector<double>> handlers(std::size(walk));
    for (int round = 0; round < windows; ++round) {
        ClockDraws draws;
        ExerciseWindow window(SubjectCode::draw(std::ref(draws)));
        // The whole 1024 x 768 layout on screen, as on a maximised window.
        window.resize(1024, 768);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return 2;
        QTest::qWait(5);
        for (size_t i = 0; i < std::size(walk); ++i) {
            const Action& step = walk[i];
            if (step.hideFirst) {
                window.pathwayWindow(pathwayOf(step.button))->hide();
                QTest::qWait(2);
            }
            QElapsedTimer clock;
            clock.start();
            window.button(step.button)->click();
            const qint64 handler = clock.nsecsElapsed();
            // Posted update requests and, for an open, the new window's
            // expose: each pass paints what the one before queued.
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();
            times[i].push_back(double(clock.nsecsElapsed()) / 1e6);
            handlers[i].push_back(double(handler) / 1e6);
            QTest::qWait(2);
        }
    }

    std::printf("qt_version %s\n", qVersion());
    for (size_t i = 0; i < std::size(walk); ++i) {
        const Stats::Summary s = Stats::summarise(times[i]);
        std::printf("press\t%s\t%.3f\t%.3f\t%.3f\t%.3f\t%.3f\t%zu\n", walk[i].label, s.median,
                    Stats::quantile(times[i], 0.95), s.max, times[i].front(),
                    Stats::quantile(handlers[i], 0.5), s.n);
    }
    return 0;
}
