#include "applicationinfo.h"

#include "model/buildinfo.h"
#include "panes/panestyle.h"

#include <QGuiApplication>

void ApplicationInfo::apply() {
    QGuiApplication::setApplicationName(QString::fromLatin1(BuildInfo::name));
    QGuiApplication::setApplicationVersion(QString::fromLatin1(BuildInfo::version));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(BuildInfo::applicationId));
    QGuiApplication::setWindowIcon(PaneStyle::programIcon());
}
