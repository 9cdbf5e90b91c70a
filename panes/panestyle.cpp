#include "panestyle.h"

#include <QApplication>

namespace {

QFont boldFont(int pixelSize) {
    static const bool substituted = [] {
        QFont::insertSubstitution(QString::fromLatin1(PaneStyle::family),
                                  QString::fromLatin1(PaneStyle::substitute));
        return true;
    }();
    Q_UNUSED(substituted);

    QFont font(QString::fromLatin1(PaneStyle::family));
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace

QFont PaneStyle::windowFont() {
    return boldFont(windowPixelSize);
}

QFont PaneStyle::titleFont() {
    return boldFont(titlePixelSize);
}

QPalette PaneStyle::pagePalette(const QColor& ink) {
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, ink);
    return palette;
}

QIcon PaneStyle::programIcon() {
    // The bitmap alone: the scalable drawing would load the SVG icon engine
    // at start-up for a 32 px title-bar icon. Desktops take the scalable
    // icon from the installed theme.
    return QIcon(QStringLiteral(":/assets/korvanel-32.png"));
}
