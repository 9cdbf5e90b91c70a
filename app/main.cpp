// Start-up: one invented subject, the exercise window, maximised.
#include "app/clockdraws.h"
#include "app/exercisewindow.h"
#include "app/scenario.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvanel"));
    QApplication::setApplicationVersion(QStringLiteral(KORVANEL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.korvanel.Korvanel"));
    QApplication::setWindowIcon(ExerciseWindow::programIcon());

    ClockDraws draws;
    ExerciseWindow window(makeScenario(std::ref(draws)));
    window.showMaximized();
    return app.exec();
}
