#include "panestyle.h"

#include "programicon.h"

#include <QApplication>

#include <algorithm>

namespace {

QFont face(QFont::Weight weight) {
    static const bool substituted = [] {
        QFont::insertSubstitution(QString::fromLatin1(PaneStyle::family),
                                  QString::fromLatin1(PaneStyle::substitute));
        return true;
    }();
    Q_UNUSED(substituted);

    QFont font(QString::fromLatin1(PaneStyle::family));
    font.setWeight(weight);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont boldFont(int pixelSize) {
    QFont font = face(QFont::Bold);
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace

QFont PaneStyle::windowFont(qreal scale) {
    return boldFont(std::max(1, qRound(windowPixelSize * scale)));
}

QFont PaneStyle::titleFont(qreal scale) {
    return boldFont(std::max(1, qRound(titlePixelSize * scale)));
}

QFont PaneStyle::paperFont(qreal pointSize, QFont::Weight weight) {
    QFont font = face(weight);
    font.setPointSizeF(pointSize);
    return font;
}

QPalette PaneStyle::pagePalette(const QColor& ink) {
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, ink);
    return palette;
}

QIcon PaneStyle::programIcon() {
    return QIcon(new ProgramIconEngine);
}
