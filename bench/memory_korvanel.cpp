// Peak memory of a whole Korvanel session: the peak resident set (VmHWM) of
// one process that starts as app/main.cpp does, shows the exercise window,
// walks all twelve stages and opens and hides both pathway windows, every
// step painted in the exposed window. Compared by scripts/bench with
// bench_startup_bare, which only paints the eight statement lines; the
// difference is what Korvanel costs above a bare Qt Widgets window.
//
// Prints "peak_rss_kib N" after the walk and "--settle MS" more of event
// processing (0 without it).
#include "bench/probe.h"
#include "bench/walk.h"
#include "model/clockdraws.h"
#include "model/scenario.h"
#include "windows/applicationinfo.h"
#include "windows/exercisewindow.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    const int settleMs = Probe::settleArgument(argc, argv);

    QApplication app(argc, argv);
    ApplicationInfo::apply(); // as the program does

    ClockDraws draws;
    ExerciseWindow window(SubjectCode::draw(std::ref(draws)));
    if (!Walk::showAndPaint(window)) {
        std::fputs("the exercise window was never painted\n", stderr);
        return 2;
    }
    Probe::settle(50);
    for (const Walk::Action& action : Walk::actions(1)) {
        if (!Walk::perform(window, action)) {
            std::fprintf(stderr, "%s: no paint\n", Walk::label(action));
            return 2;
        }
        Probe::settle(50);
    }
    Probe::settle(settleMs);

    std::printf("peak_rss_kib %lld\n", static_cast<long long>(Probe::peakRssKiB()));
    return 0;
}
