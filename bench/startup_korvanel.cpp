// Start-up of Korvanel, from exec to the problem statement on screen.
//
// main() is app/main.cpp line for line; the only addition is a watch on the
// question pane. The run ends at the first paint, in an exposed window, whose
// region holds every line of the statement, once that repaint has returned
// to the event loop (so its flush to the X server has been issued); a paint
// at the window's restored size, before the window manager maximised it,
// does not count.
//
// Clock: bench_launch reads CLOCK_MONOTONIC immediately before it spawns this
// program, and this program prints CLOCK_MONOTONIC at that paint. Both read
// the same system-wide clock at nanosecond resolution, so the difference is
// the whole start-up: exec, dynamic linking, static initialisation, main.
// (The kernel's own start time, /proc/self/stat field 22, counts in 10 ms
// ticks, too coarse for a 15 % comparison.)
#include "bench/probe.h"
#include "model/clockdraws.h"
#include "panes/textpane.h"
#include "windows/applicationinfo.h"
#include "windows/exercisewindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    const int settleMs = Probe::settleArgument(argc, argv);

    QApplication app(argc, argv);
    ApplicationInfo::apply(); // as the program does

    ClockDraws draws;
    Session session(SubjectCode::draw(std::ref(draws)));
    ExerciseWindow window(session);

    TextPane* pane = window.questionPane();
    const QRect page = pane->contentsRect();
    const QRect statement(page.topLeft(),
                          QSize(page.width(), int(pane->content().size()) * pane->lineHeight()));
    Probe::FirstPaintReport report(pane, statement, settleMs);

    window.showMaximized();
    return app.exec();
}
