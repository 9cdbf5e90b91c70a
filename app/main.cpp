// Start-up: one invented subject, the exercise window, maximised.
#include "model/clockdraws.h"
#include "model/scenario.h"
#include "windows/applicationinfo.h"
#include "windows/exercisewindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ApplicationInfo::apply();

    ClockDraws draws;
    ExerciseWindow window(makeScenario(std::ref(draws)));
    window.showMaximized();
    return app.exec();
}
