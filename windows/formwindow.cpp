#include "formwindow.h"

#include "panes/panestyle.h"
#include "panes/picture.h"

namespace {

// White, behind every control.
constexpr Twips shape1 = {0, 0, 15360, 11520};
constexpr QSize restoredClientSize(312, 206);

} // namespace

FormWindow::FormWindow(const char* name, QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(QStringLiteral("Korvanel calculation"));
    setWindowIcon(PaneStyle::programIcon());
    setFont(PaneStyle::windowFont());
    setPalette(PaneStyle::pagePalette(palette().color(QPalette::WindowText)));
    setAutoFillBackground(true);
    resize(restoredClientSize);

    auto* backdrop = new QWidget(this);
    backdrop->setObjectName(QStringLiteral("shape1"));
    backdrop->setGeometry(shape1.pixels());
    backdrop->setAutoFillBackground(true);
    backdrop->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FormWindow::place(QWidget* control, const char* name, const Twips& twips) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(twips.pixels());
    if (m_lastInTabOrder)
        setTabOrder(m_lastInTabOrder, control);
    m_lastInTabOrder = control;
}

Picture* FormWindow::newLogo() {
    return new Picture(QStringLiteral(":/assets/logo.svg"), QStringLiteral(":/assets/logo.png"),
                       this);
}
