// Start-up of Korvanel, from exec to the problem statement on screen.
//
// main() is app/main.cpp's for the window, line for line; the only addition
// is a watch on the question pane. The run ends at the first paint, in an
// exposed window, whose region holds every line of the statement, once that
// repaint has returned to the event loop (so its flush to the X server has
// been issued); a paint at the window's restored size, before the window
// manager maximised it, does not count. `--language de` starts in German,
// its catalogues loaded, as the program does.
//
// Clock: bench_launch reads CLOCK_MONOTONIC immediately before it spawns this
// program, and this program prints CLOCK_MONOTONIC at that paint. Both read
// the same system-wide clock at nanosecond resolution, so the difference is
// the whole start-up: exec, dynamic linking, static initialisation, main.
// (The kernel's own start time, /proc/self/stat field 22, counts in 10 ms
// ticks, too coarse for a 15 % comparison.)
#include "app/commandline.h"
#include "app/program.h"
#include "bench/probe.h"
#include "model/clockdraws.h"
#include "model/language.h"
#include "panes/textpane.h"
#include "practice/studentbook.h"
#include "windows/applicationinfo.h"

#include <QApplication>

#include <string_view>
#include <vector>

int main(int argc, char* argv[]) {
    const int settleMs = Probe::settleArgument(argc, argv);
    // The command line less the probe's own option.
    std::vector<char*> arguments;
    for (int i = 0; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--settle") {
            ++i;
            continue;
        }
        arguments.push_back(argv[i]);
    }
    int count = int(arguments.size());
    arguments.push_back(nullptr);
    const CommandLine command = readCommandLine(count, arguments.data());
    if (command.action != CommandLine::Action::Window)
        return 2;

    QApplication app(count, arguments.data());
    Language::speak(command.language);
    ApplicationInfo::apply(); // as the program does

    ClockDraws draws;
    Session session(SubjectCode::draw(std::ref(draws)));
    Program program(session);
    StudentBook book;
    program.practice().setStudentBook(&book);
    ExerciseWindow& window = program.window();

    TextPane* pane = window.questionPane();
    const QRect page = pane->contentsRect();
    const QRect statement(page.topLeft(),
                          QSize(page.width(), int(pane->content().size()) * pane->lineHeight()));
    Probe::FirstPaintReport report(pane, statement, settleMs);

    window.showMaximized();
    return app.exec();
}
