// Start-up: the command line first; then the paper it asks for, or one
// subject (given or invented) in the exercise window, maximised.
#include "commandline.h"
#include "model/clockdraws.h"
#include "paper/paper.h"
#include "windows/applicationinfo.h"
#include "windows/exercisewindow.h"

#include <QApplication>
#include <QGuiApplication>

#include <cstdio>

namespace {

// Paper needs fonts, not a display: the offscreen platform, whatever the
// environment or the command line name, starts anywhere and fastest.
int writePaper(const CommandLine& command, char* program) {
    char platform[] = "-platform";
    char offscreen[] = "offscreen";
    char* arguments[] = {program, platform, offscreen, nullptr};
    int count = 3;
    const QGuiApplication app(count, arguments);

    QString error;
    if (!Paper::writePdf(command.outputs, command.subjects, &error)) {
        std::fprintf(stderr, "%s: %s\n", qUtf8Printable(QCoreApplication::applicationName()),
                     qUtf8Printable(error));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const CommandLine command = readCommandLine(argc, argv);
    if (command.action == CommandLine::Action::Exit)
        return command.exitStatus;
    if (command.action == CommandLine::Action::Paper)
        return writePaper(command, argv[0]);

    QApplication app(argc, argv);
    ApplicationInfo::apply();

    ClockDraws draws;
    Session session(command.subject ? *command.subject : SubjectCode::draw(std::ref(draws)));
    session.setPracticeMode(command.practice);
    ExerciseWindow window(session);
    window.showMaximized();
    return app.exec();
}
