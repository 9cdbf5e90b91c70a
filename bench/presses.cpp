// Press latency, in one process: how long each of the twelve answer buttons
// and each pathway-window open takes from the click to its result on screen.
//
// A press is timed from just before QPushButton::click() (the handler: panes
// cleared and printed, buttons shown and hidden) until the event loop has
// delivered the repaint that the click caused: the first paint event in the
// exercise window, and the rest of that repaint including its flush to the
// X server. An open is timed from the click on "See pathway N" until the
// whole diagram has been painted in the exposed, maximised pathway window;
// that includes creating the window the first time, the round trips to the X
// server and window manager that map it, and rasterising the diagram. The
// pathway window is then hidden with its own button and opened once more
// ("again"). Nothing else happens between the two clock readings.
//
// Each of N fresh exercise windows (default 50) is walked in turn; between
// actions the event loop runs 20 ms so that window-manager traffic from the
// previous action is not charged to the next. The first window also carries
// what a process pays once (fonts, glyph caches, first SVG parse); its
// figures are reported on their own as "cold".
//
// The time is also split at the return of click(): "handler" is the part
// before it (for an open: creating and showing the window), the rest is the
// repaint and, for an open, the window system.
//
// Output, one tab-separated line per action in walk order:
//   press LABEL median_ms p95_ms max_ms cold_ms handler_median_ms n
// and "qt_version X.Y.Z".
#include "bench/probe.h"
#include "bench/stats.h"
#include "bench/walk.h"
#include "model/clockdraws.h"
#include "model/scenario.h"
#include "windows/applicationinfo.h"
#include "windows/exercisewindow.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ApplicationInfo::apply(); // as the program does
    const int windows = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    constexpr int settleMs = 20;

    const std::vector<Walk::Action> walk = Walk::actions(2);
    std::vector<std::string> order;
    std::map<std::string, std::vector<double>> times;    // ms, one per window
    std::map<std::string, std::vector<double>> handlers; // ms, the handler's share

    for (int round = 0; round < windows; ++round) {
        ClockDraws draws;
        auto window = std::make_unique<ExerciseWindow>(SubjectCode::draw(std::ref(draws)));
        if (!Walk::showAndPaint(*window)) {
            std::fputs("the exercise window was never painted\n", stderr);
            return 2;
        }
        Probe::settle(3 * settleMs);

        for (const Walk::Action& action : walk) {
            qint64 clicked = 0;
            const qint64 start = Probe::monotonicNs();
            const bool done = Walk::perform(*window, action, &clicked);
            const qint64 end = Probe::monotonicNs();
            if (!done) {
                std::fprintf(stderr, "%s: no paint\n", Walk::label(action));
                return 2;
            }
            if (action.kind != Walk::Action::Kind::HidePathway) {
                const std::string label = Walk::label(action);
                if (round == 0)
                    order.push_back(label);
                times[label].push_back(double(end - start) / 1e6);
                handlers[label].push_back(double(clicked - start) / 1e6);
            }
            Probe::settle(settleMs);
        }
        window.reset();
        Probe::settle(3 * settleMs);
    }

    std::printf("qt_version %s\n", qVersion());
    for (const std::string& label : order) {
        const std::vector<double>& sample = times[label];
        const Stats::Summary s = Stats::summarise(sample);
        std::printf("press\t%s\t%.3f\t%.3f\t%.3f\t%.3f\t%.3f\t%zu\n", label.c_str(), s.median,
                    Stats::quantile(sample, 0.95), s.max, sample.front(),
                    Stats::quantile(handlers[label], 0.5), s.n);
    }
    return 0;
}
