#include "applicationinfo.h"

#include "exercisewindow.h"

#include <QApplication>

void ApplicationInfo::apply() {
    QApplication::setApplicationName(QString::fromLatin1(name));
    QApplication::setApplicationVersion(QString::fromLatin1(version));
    QApplication::setDesktopFileName(QString::fromLatin1(desktopEntry));
    QApplication::setWindowIcon(ExerciseWindow::programIcon());
}
