#include "formwindow.h"

#include "model/buildinfo.h"
#include "panes/announcer.h"
#include "panes/panestyle.h"
#include "panes/picture.h"
#include "stages/exercise.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
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
    setWindowTitle(title());
    setWindowIcon(PaneStyle::programIcon());
    setFont(PaneStyle::windowFont());
    setPalette(PaneStyle::pagePalette(palette().color(QPalette::WindowText)));
    setAutoFillBackground(true);
    resize(restoredClientSize);

    m_scroll = new QScrollArea(this);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setFocusPolicy(Qt::NoFocus);
    // The page fills the view, and is scrolled where it needs more room.
    m_scroll->setWidgetResizable(true);
    m_scroll->horizontalScrollBar()->setObjectName(QStringLiteral("horizontalScrollBar"));
    m_scroll->verticalScrollBar()->setObjectName(QStringLiteral("verticalScrollBar"));
    // Ctrl and the wheel zoom, wherever over the page the wheel turns.
    m_scroll->viewport()->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroll);
    m_page = new QWidget;
    m_page->setObjectName(QStringLiteral("page"));
    m_page->setAutoFillBackground(true);
    m_scroll->setWidget(m_page);

    m_announcer = new Announcer(this);

    m_backdrop = new QWidget(m_page);
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
    view(tr("Zoom &in"), QKeySequence::ZoomIn, &FormWindow::zoomIn);
    view(tr("Zoom &out"), QKeySequence::ZoomOut, &FormWindow::zoomOut);
    view(tr("&Reset zoom"), QKeySequence(Qt::CTRL | Qt::Key_0), &FormWindow::resetZoom);
    m_fitAction = view(tr("&Fit to window"), QKeySequence(), &FormWindow::fitToWindow);
    m_fitAction->setCheckable(true);

    // Laptops without a Menu key open the context menu with Shift+F10.
    QAction* menuKey = newAction(QString(), QKeySequence(Qt::SHIFT | Qt::Key_F10));
    connect(menuKey, &QAction::triggered, this, &FormWindow::openMenuAtFocus);

    // The keyboard can reach a control that the viewport does not show.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && now->window() == this && now != this)
            ensureVisible(now, now->rect());
    });
}

QString FormWindow::title() {
    return Exercise::title();
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
    control->setParent(m_page);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(twips.pixels());
    if (!m_placed.isEmpty())
        setTabOrder(m_placed.constLast().control, control);
    m_placed.append({control, twips, face});
}

void FormWindow::placeOver(QWidget* control, const Twips& twips) {
    control->setParent(m_page);
    m_placed.append({control, twips, Face::Window});
    setGeometryAtScale(m_placed.constLast());
}

void FormWindow::setGeometryAtScale(const Placement& placement) {
    placement.control->setGeometry(placement.twips.pixels(m_scale));
    if (placement.face == Face::Title)
        placement.control->setFont(PaneStyle::titleFont(m_scale));
    if (auto* picture = qobject_cast<Picture*>(placement.control))
        picture->setScale(m_scale);
}

Picture* FormWindow::newLogo() {
    auto* logo = new Picture(QStringLiteral(":/assets/logo.svg"),
                             {QStringLiteral(":/assets/logo.rgba"), QSize(165, 100)}, this);
    //: %1 is the program's name, Korvanel.
    logo->setAccessibleName(tr("%1 logo").arg(QString::fromLatin1(BuildInfo::name)));
    return logo;
}

QList<QAction*> FormWindow::contextActions() const {
    return m_viewActions;
}

void FormWindow::zoomIn() {
    m_rule.zoomIn(m_scale);
    rescaled();
}

void FormWindow::zoomOut() {
    m_rule.zoomOut(m_scale);
    rescaled();
}

void FormWindow::resetZoom() {
    m_rule.reset();
    rescaled();
}

void FormWindow::fitToWindow() {
    m_rule.fitToWindow();
    rescaled();
}

void FormWindow::rescaled() {
    relayout();
    // The keyboard's place stays in view at the new scale.
    if (QWidget* focused = focusWidget(); focused && focused != this)
        ensureVisible(focused, focused->rect());

    // Shown for a moment at the top of the window, and said.
    const QString level = m_rule.mode() == LayoutScale::Mode::FitToWindow
                              ? tr("Zoom %1 %, fitted to the window").arg(qRound(m_scale * 100))
                          : m_rule.mode() == LayoutScale::Mode::Automatic
                              ? tr("Zoom %1 %, as the screen allows").arg(qRound(m_scale * 100))
                              : tr("Zoom %1 %").arg(qRound(m_scale * 100));
    if (!m_zoomShown) {
        m_zoomShown = new QLabel(this);
        m_zoomShown->setObjectName(QStringLiteral("zoomLevel"));
        m_zoomShown->setAutoFillBackground(true);
        m_zoomShown->setBackgroundRole(QPalette::ToolTipBase);
        m_zoomShown->setForegroundRole(QPalette::ToolTipText);
        m_zoomShown->setFrameShape(QFrame::Box);
        m_zoomShown->setMargin(4);
        m_zoomTimer = new QTimer(this);
        m_zoomTimer->setSingleShot(true);
        m_zoomTimer->setInterval(1500);
        connect(m_zoomTimer, &QTimer::timeout, m_zoomShown, &QWidget::hide);
    }
    m_zoomShown->setFont(PaneStyle::windowFont());
    m_zoomShown->setText(level);
    m_zoomShown->adjustSize();
    const QRect view = viewport();
    m_zoomShown->move(view.left() + (view.width() - m_zoomShown->width()) / 2, view.top() + 8);
    m_zoomShown->show();
    m_zoomShown->raise();
    m_zoomTimer->start();
    m_announcer->announce(level);
}

QRect FormWindow::viewport() const {
    const QWidget* view = m_scroll->viewport();
    return QRect(view->mapTo(this, QPoint()), view->size());
}

void FormWindow::ensureVisible(const QWidget* control, const QRect& area) {
    // The end, then the start, so that the start wins where both do not fit.
    // QScrollArea counts a point at the viewport's far edge as shown: one
    // past the last pixel.
    const QRect wanted(control->mapTo(m_page, area.topLeft()), area.size());
    m_scroll->ensureVisible(wanted.right() + 1, wanted.bottom() + 1, 0, 0);
    m_scroll->ensureVisible(wanted.left(), wanted.top(), 0, 0);
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

void FormWindow::relayout() {
    const QSizeF layout = layoutSize();
    const qreal scale = m_rule.scaleFor(size(), room(), layout);
    const QSize content = (layout * scale).toSize();

    // A scroll bar for each direction in which the layout does not fit; one
    // bar can take the room that makes the other necessary. Scrolled, the
    // page ends with the margin it has at its top left. The scroll area
    // shows the bars the page's least size needs.
    const int across = m_scroll->horizontalScrollBar()->sizeHint().height();
    const int down = m_scroll->verticalScrollBar()->sizeHint().width();
    bool wide = content.width() > width();
    bool tall = content.height() > height();
    wide = wide || (tall && content.width() > width() - down);
    tall = tall || (wide && content.height() > height() - across);
    const QSize scrolled = ((layout + QSizeF(margin, margin)) * scale).toSize();
    m_page->setMinimumSize(wide ? scrolled.width() : content.width(),
                           tall ? scrolled.height() : content.height());
    // The scroll area takes the new size at once rather than at its next
    // posted layout request, so that what follows the relayout (the
    // scrolling of a press) meets the bars it will have.
    QEvent request(QEvent::LayoutRequest);
    QCoreApplication::sendEvent(m_scroll, &request);

    m_scale = scale;
    setFont(PaneStyle::windowFont(scale));
    m_backdrop->setGeometry(shape1.pixels(scale));
    for (const Placement& placed : m_placed)
        setGeometryAtScale(placed);
    const QSignalBlocker quiet(m_fitAction);
    m_fitAction->setChecked(m_rule.mode() == LayoutScale::Mode::FitToWindow);
}

void FormWindow::contextMenuEvent(QContextMenuEvent* event) {
    openContextMenu(event->globalPos());
}

// One menu for the window's life: a menu made afresh at each opening, its
// actions reused, left screen readers items of the last one that no longer
// existed.
void FormWindow::openContextMenu(const QPoint& globalPos) {
    if (!m_menu) {
        m_menu = new QMenu(this);
        m_menu->setObjectName(QStringLiteral("contextMenu"));
        //: The window's context menu.
        m_menu->setAccessibleName(tr("Menu"));
        m_menu->addActions(contextActions());
    }
    m_menu->popup(globalPos);
    // Highlighted, so that a screen reader says where the menu starts.
    for (QAction* action : m_menu->actions())
        if (!action->isSeparator() && action->isEnabled() && action->isVisible()) {
            m_menu->setActiveAction(action);
            break;
        }
}

void FormWindow::openMenuAtFocus() {
    // As the Menu key does: the focused control may have a menu of its own
    // (a field's), else the event reaches the window.
    QWidget* target = focusWidget() ? focusWidget() : this;
    const QPoint at = target->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, at, target->mapToGlobal(at));
    QCoreApplication::sendEvent(target, &event);
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

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_scroll->viewport() && event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            m_wheelAngle += wheel->angleDelta().y();
            for (; m_wheelAngle >= 120; m_wheelAngle -= 120)
                zoomIn();
            for (; m_wheelAngle <= -120; m_wheelAngle += 120)
                zoomOut();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
