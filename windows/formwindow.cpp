#include "formwindow.h"

#include "panes/panestyle.h"
#include "panes/picture.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <QWindow>

namespace {

// A form is a frame to assistive technology, as a main window is, so that
// a screen reader speaks its name when it opens.
QAccessibleInterface* windowFactory(const QString& className, QObject* object) {
    if (className == u"FormWindow")
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

// White, behind every control.
constexpr Twips shape1 = {0, 0, 15360, 11520};
constexpr QSize restoredClientSize(312, 206);
// Scrolled to the end, the layout keeps the margin it has at its top left.
constexpr int margin = 8;

} // namespace

FormWindow::FormWindow(const char* name, QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(windowFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(QStringLiteral("Korvanel calculation"));
    setWindowIcon(PaneStyle::programIcon());
    setFont(PaneStyle::windowFont());
    setPalette(PaneStyle::pagePalette(palette().color(QPalette::WindowText)));
    setAutoFillBackground(true);
    resize(restoredClientSize);

    m_backdrop = new QWidget(this);
    m_backdrop->setObjectName(QStringLiteral("shape1"));
    m_backdrop->setGeometry(shape1.pixels());
    m_backdrop->setAutoFillBackground(true);
    m_backdrop->setAttribute(Qt::WA_TransparentForMouseEvents);

    const auto view = [this](const QString& text, const QKeySequence& shortcut,
                             void (FormWindow::*slot)()) {
        QAction* action = newAction(text, shortcut);
        connect(action, &QAction::triggered, this, slot);
        m_viewActions.append(action);
        return action;
    };
    view(tr("Zoom in"), QKeySequence::ZoomIn, &FormWindow::zoomIn);
    view(tr("Zoom out"), QKeySequence::ZoomOut, &FormWindow::zoomOut);
    view(tr("Reset zoom"), QKeySequence(Qt::CTRL | Qt::Key_0), &FormWindow::resetZoom);
    m_fitAction = view(tr("Fit to window"), QKeySequence(), &FormWindow::fitToWindow);
    m_fitAction->setCheckable(true);

    // The keyboard can reach a control that the viewport does not show.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && now->window() == this && now != this)
            ensureVisible(now, now->rect());
    });
}

QAction* FormWindow::newAction(const QString& text, const QKeySequence& shortcut) {
    auto* action = new QAction(text, this);
    action->setShortcut(shortcut);
    addAction(action);
    return action;
}

QAction* FormWindow::newSeparator(QObject* parent) {
    auto* separator = new QAction(parent);
    separator->setSeparator(true);
    return separator;
}

void FormWindow::place(QWidget* control, const char* name, const Twips& twips, Face face) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(twips.pixels());
    if (!m_placed.isEmpty())
        setTabOrder(m_placed.constLast().control, control);
    m_placed.append({control, twips, face});
}

void FormWindow::placeOver(QWidget* control, const Twips& twips) {
    m_placed.append({control, twips, Face::Window});
    setGeometryAtScale(m_placed.constLast());
}

void FormWindow::setGeometryAtScale(const Placement& placement) {
    placement.control->setGeometry(placement.twips.pixels(m_scale).translated(-m_scroll));
    if (placement.face == Face::Title)
        placement.control->setFont(PaneStyle::titleFont(m_scale));
    if (auto* picture = qobject_cast<Picture*>(placement.control))
        picture->setScale(m_scale);
}

Picture* FormWindow::newLogo() {
    return new Picture(QStringLiteral(":/assets/logo.svg"), QStringLiteral(":/assets/logo.png"),
                       this);
}

QList<QAction*> FormWindow::contextActions() const {
    return m_viewActions;
}

void FormWindow::zoomIn() {
    m_rule.zoomIn(m_scale);
    relayout();
}

void FormWindow::zoomOut() {
    m_rule.zoomOut(m_scale);
    relayout();
}

void FormWindow::resetZoom() {
    m_rule.reset();
    relayout();
}

void FormWindow::fitToWindow() {
    m_rule.fitToWindow();
    relayout();
}

QRect FormWindow::viewport() const {
    QRect area = rect();
    if (m_vertical && m_vertical->isVisibleTo(this))
        area.setRight(m_vertical->x() - 1);
    if (m_horizontal && m_horizontal->isVisibleTo(this))
        area.setBottom(m_horizontal->y() - 1);
    return area;
}

void FormWindow::ensureVisible(const QWidget* control, const QRect& area) {
    const QRect view = viewport();
    const QRect wanted(control->mapTo(this, area.topLeft()), area.size());
    const auto shift = [](int low, int high, int viewLow, int viewHigh) {
        if (high > viewHigh)
            return std::min(high - viewHigh, low - viewLow); // the start stays in view
        return low < viewLow ? low - viewLow : 0;
    };
    const QPoint by(shift(wanted.left(), wanted.right(), view.left(), view.right()),
                    shift(wanted.top(), wanted.bottom(), view.top(), view.bottom()));
    if (by.isNull())
        return;
    if (m_horizontal && m_horizontal->isVisibleTo(this))
        m_horizontal->setValue(m_horizontal->value() + by.x());
    if (m_vertical && m_vertical->isVisibleTo(this))
        m_vertical->setValue(m_vertical->value() + by.y());
}

QSizeF FormWindow::layoutSize() const {
    QRect bounds;
    for (const Placement& placed : m_placed)
        bounds |= placed.twips.pixels();
    return QSizeF(bounds.right() + 1, bounds.bottom() + 1);
}

QSize FormWindow::room() const {
    // What the screen gives a maximised window, rather than the window's
    // size: a maximised window learns its size only after it is shown.
    if (windowState() & Qt::WindowFullScreen)
        return screen()->geometry().size();
    return screen()->availableGeometry().size() - (frameGeometry().size() - size());
}

QScrollBar* FormWindow::scrollBar(Qt::Orientation orientation) {
    QScrollBar*& bar = orientation == Qt::Horizontal ? m_horizontal : m_vertical;
    if (!bar) {
        bar = new QScrollBar(orientation, this);
        bar->setObjectName(orientation == Qt::Horizontal ? QStringLiteral("horizontalScrollBar")
                                                         : QStringLiteral("verticalScrollBar"));
        connect(bar, &QScrollBar::valueChanged, this, &FormWindow::relayout);
    }
    return bar;
}

void FormWindow::relayout() {
    const QSizeF layout = layoutSize();
    const qreal scale = m_rule.scaleFor(size(), room(), layout);
    const QSize content = (layout * scale).toSize();

    // A scroll bar for each direction in which the layout does not fit; one
    // bar can take the room that makes the other necessary.
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    bool across = content.width() > width();
    bool down = content.height() > height();
    across = across || (down && content.width() > width() - extent);
    down = down || (across && content.height() > height() - extent);
    const QSize view(width() - (down ? extent : 0), height() - (across ? extent : 0));
    const QSize scrolled = ((layout + QSizeF(margin, margin)) * scale).toSize();

    const auto setUp = [this](Qt::Orientation orientation, bool needed, int range, int page,
                              const QRect& where) {
        QScrollBar* bar = needed || (orientation == Qt::Horizontal ? m_horizontal : m_vertical)
                              ? scrollBar(orientation)
                              : nullptr;
        if (!bar)
            return 0;
        const QSignalBlocker quiet(bar);
        bar->setRange(0, needed ? std::max(0, range - page) : 0);
        bar->setPageStep(page);
        bar->setSingleStep(std::max(1, page / 20));
        bar->setGeometry(where);
        bar->setVisible(needed);
        bar->raise();
        return bar->value();
    };
    m_scroll.setX(setUp(Qt::Horizontal, across, scrolled.width(), view.width(),
                        QRect(0, view.height(), view.width(), extent)));
    m_scroll.setY(setUp(Qt::Vertical, down, scrolled.height(), view.height(),
                        QRect(view.width(), 0, extent, view.height())));

    m_scale = scale;
    setFont(PaneStyle::windowFont(scale));
    m_backdrop->setGeometry(shape1.pixels(scale).translated(-m_scroll));
    for (const Placement& placed : m_placed)
        setGeometryAtScale(placed);
    const QSignalBlocker quiet(m_fitAction);
    m_fitAction->setChecked(m_rule.mode() == LayoutScale::Mode::FitToWindow);
}

void FormWindow::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addActions(contextActions());
    menu.exec(event->globalPos());
}

void FormWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (isVisible())
        relayout();
}

void FormWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    if (!m_followsScreen) {
        // A restored window takes the scale of the screen it moves to.
        connect(windowHandle(), &QWindow::screenChanged, this, &FormWindow::relayout);
        m_followsScreen = true;
    }
    relayout();
}

void FormWindow::wheelEvent(QWheelEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        m_wheelAngle += event->angleDelta().y();
        for (; m_wheelAngle >= 120; m_wheelAngle -= 120)
            zoomIn();
        for (; m_wheelAngle <= -120; m_wheelAngle += 120)
            zoomOut();
        event->accept();
        return;
    }
    QScrollBar* bar = m_vertical && m_vertical->isVisible()       ? m_vertical
                      : m_horizontal && m_horizontal->isVisible() ? m_horizontal
                                                                  : nullptr;
    if (bar)
        QApplication::sendEvent(bar, event);
    else
        QWidget::wheelEvent(event);
}
