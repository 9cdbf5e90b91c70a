// Relayout of the exercise window, in-process on the offscreen platform: a
// zoom step, and a resize while it fits the window, each from the call until
// the repaint it causes has been painted into the backing store. The window
// shows question 4 with the longest answer, answer 4, so that every pane has
// the most to lay out again.
//
// Output, one tab-separated line per kind of change:
//   relayout LABEL median_ms p95_ms max_ms n
#include "bench/stats.h"
#include "model/clockdraws.h"
#include "model/scenario.h"
#include "windows/applicationinfo.h"
#include "windows/exercisewindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <functional>

namespace {

double timed(const std::function<void()>& change) {
    QElapsedTimer clock;
    clock.start();
    change();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    return double(clock.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ApplicationInfo::apply();
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;

    ClockDraws draws;
    ExerciseWindow window(SubjectCode::draw(std::ref(draws)));
    window.resize(1024, 768);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 2;
    using enum Control;
    for (Control button :
         {seeanswer1, hideanswer1, seeanswer2, hideanswer2, seeanswer3, hideanswer3, seeanswer4})
        window.button(button)->click();
    QTest::qWait(20);

    std::vector<double> zooms, resizes;
    const QSize sizes[] = {{1093, 614}, {1280, 650}, {800, 600}, {1024, 768}};
    for (int round = 0; round < rounds; ++round) {
        window.resetZoom();
        for (size_t step = 0; step < LayoutScale::steps.size(); ++step)
            zooms.push_back(timed([&window] { window.zoomOut(); }));
        for (size_t step = 0; step < LayoutScale::steps.size(); ++step)
            zooms.push_back(timed([&window] { window.zoomIn(); }));
        window.fitToWindow();
        for (const QSize& size : sizes)
            resizes.push_back(timed([&window, size] { window.resize(size); }));
    }

    for (const auto& [label, times] :
         {std::pair{"zoom step", zooms}, std::pair{"resize, fitted to the window", resizes}}) {
        const Stats::Summary s = Stats::summarise(times);
        std::printf("relayout\t%s\t%.3f\t%.3f\t%.3f\t%zu\n", label, s.median,
                    Stats::quantile(times, 0.95), s.max, s.n);
    }
    return 0;
}
