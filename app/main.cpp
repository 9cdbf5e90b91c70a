// Start-up: one invented subject, the exercise window, maximised.
#include "app/applicationinfo.h"
#include "app/clockdraws.h"
#include "app/exercisewindow.h"
#include "app/scenario.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ApplicationInfo::apply();

    ClockDraws draws;
    ExerciseWindow window(makeScenario(std::ref(draws)));
    window.showMaximized();
    return app.exec();
}
