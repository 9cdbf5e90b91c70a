// Runs on seven offscreen screens side by side (screens.json): the client
// areas of today's laptops and monitors, one below the floor and one more
// than three times the layout.
#include "panes/linelayout.h"
#include "panes/textpane.h"
#include "subjects.h"
#include "walkthrough.h"
#include "widestlines.h"
#include "windows/exercisewindow.h"
#include "windows/pathwaywindow.h"

#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <optional>

namespace {

using enum Control;

// The widest of a block's lines over every subject, in the pane's font.
int widestLine(const WidestLines& lines, const Print::Block& block, const TextPane& pane) {
    qreal widest = 0;
    for (const LineLayout& layout : lines.of(block, pane.fontMetrics()))
        widest = std::max(widest, layout.width());
    return int(widest);
}

QScreen* screenNamed(const QString& name) {
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->name() == name)
            return screen;
    return nullptr;
}

bool showMaximisedOn(QWidget& window, const QString& screenName) {
    QScreen* screen = screenNamed(screenName);
    if (!screen)
        return false;
    window.move(screen->geometry().topLeft());
    window.showMaximized();
    return QTest::qWaitFor(
        [&] { return window.frameGeometry().size() == screen->availableGeometry().size(); });
}

// The controls of a form, the backdrop behind them left out.
QWidgetList controls(const FormWindow& window) {
    QWidgetList found;
    for (QWidget* child : window.page()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->objectName() != u"shape1")
            found.append(child);
    return found;
}

// Each control can be scrolled into view: none starts before the start of
// the scrolled area or ends past its end.
void checkReach(FormWindow& window) {
    const QRect view = window.viewport();
    QVERIFY(!view.isEmpty());
    auto* across = window.findChild<QScrollBar*>("horizontalScrollBar");
    auto* down = window.findChild<QScrollBar*>("verticalScrollBar");
    const auto scrollTo = [&](bool end) {
        for (QScrollBar* bar : {across, down})
            if (bar && bar->isVisible())
                bar->setValue(end ? bar->maximum() : bar->minimum());
    };
    scrollTo(false);
    const auto inWindow = [&window](const QWidget* control) {
        return QRect(control->mapTo(&window, QPoint()), control->size());
    };
    for (QWidget* control : controls(window))
        QVERIFY2(inWindow(control).left() >= view.left() && inWindow(control).top() >= view.top(),
                 qPrintable(control->objectName()));
    scrollTo(true);
    for (QWidget* control : controls(window))
        QVERIFY2(inWindow(control).right() <= view.right() &&
                     inWindow(control).bottom() <= view.bottom(),
                 qPrintable(window.objectName() + u' ' + control->objectName()));
    scrollTo(false);
}

// No two controls overlap, but for the one row where the panes meet.
void checkOverlaps(const FormWindow& window) {
    const QWidgetList all = controls(window);
    for (qsizetype i = 0; i < all.size(); ++i)
        for (qsizetype j = i + 1; j < all.size(); ++j) {
            const QRect shared = all[i]->geometry() & all[j]->geometry();
            const bool panes = qobject_cast<TextPane*>(all[i]) && qobject_cast<TextPane*>(all[j]);
            QVERIFY2(shared.isEmpty() || (panes && shared.height() <= 4),
                     qPrintable(all[i]->objectName() + u' ' + all[j]->objectName()));
        }
}

// Zoomed to step `step`, or to the automatic scale (-1) or to fit (-2).
void setZoom(FormWindow& window, int step) {
    window.resetZoom();
    if (step == -2)
        window.fitToWindow();
    if (step < 0)
        return;
    for (size_t i = 0; i < LayoutScale::steps.size(); ++i)
        window.zoomOut();
    for (int i = 0; i < step; ++i)
        window.zoomIn();
}

} // namespace

class TestScaling : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void zoomSteps_data();
    void zoomSteps();
    void everyScreenAndZoom_data();
    void everyScreenAndZoom();
    void keyboardWalkOnSmallScreens_data();
    void keyboardWalkOnSmallScreens();
    void tabKeepsTheFocusInView_data();
    void tabKeepsTheFocusInView();

private:
    std::optional<WidestLines> m_lines;
};

void TestScaling::initTestCase() {
    QCOMPARE(QGuiApplication::screens().size(), 7);
    m_lines.emplace();
}

void TestScaling::zoomSteps_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<qreal>("scale");

    QTest::newRow("a screen that holds the layout: 1") << "1024x768"
                                                       << "" << 1.0;
    QTest::newRow("a larger one does not enlarge it") << "3840x2100"
                                                      << "" << 1.0;
    QTest::newRow("a short laptop screen shrinks it") << "1093x614"
                                                      << "" << 614.0 / 761;
    QTest::newRow("no smaller than the floor") << "640x480"
                                               << "" << 0.7;
    QTest::newRow("zoom in from the fitted scale") << "1093x614"
                                                   << "+" << 0.9;
    QTest::newRow("zoom out from 1") << "1024x768"
                                     << "-" << 0.9;
    QTest::newRow("zoom stops at 300 %") << "1024x768"
                                         << "++++++++++++++" << 3.0;
    QTest::newRow("zoom stops at 50 %") << "1024x768"
                                        << "----------" << 0.5;
    QTest::newRow("back to automatic") << "1093x614"
                                       << "++0" << 614.0 / 761;
    QTest::newRow("fit enlarges on a large screen") << "3840x2100"
                                                    << "f" << 2100.0 / 761;
    QTest::newRow("fit stops at 300 % on a larger one") << "4096x2400"
                                                        << "f" << 3.0;
    QTest::newRow("ctrl+0 after fit: automatic, not fitted") << "3840x2100"
                                                             << "f0" << 1.0;
    QTest::newRow("ctrl and the wheel zoom") << "1024x768"
                                             << "ww" << 1.25;
}

void TestScaling::zoomSteps() {
    QFETCH(QString, screen);
    QFETCH(QString, keys);
    QFETCH(qreal, scale);

    ExerciseWindow window(Subjects::code(1, 65, 0.5, 10.8));
    QVERIFY(showMaximisedOn(window, screen));
    QApplication::setActiveWindow(&window);
    for (const QChar key : keys) {
        if (key == u'+')
            QTest::keySequence(&window, QKeySequence::ZoomIn);
        else if (key == u'-')
            QTest::keySequence(&window, QKeySequence::ZoomOut);
        else if (key == u'0')
            QTest::keyClick(&window, Qt::Key_0, Qt::ControlModifier);
        else if (key == u'f')
            window.fitToWindow();
        else if (key == u'w') {
            // Where a wheel turned over the page arrives, the panes and
            // buttons leaving it to their parents.
            QWidget* view = window.scrollArea()->viewport();
            QWheelEvent wheel(view->mapFrom(&window, QPointF(400, 300)),
                              window.mapToGlobal(QPointF(400, 300)), QPoint(), QPoint(0, 120),
                              Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(view, &wheel);
        }
    }
    QVERIFY2(qAbs(window.layoutScale() - scale) < 0.01,
             qPrintable(QString::number(window.layoutScale())));
}

void TestScaling::everyScreenAndZoom_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<int>("step");
    for (const char* screen : {"1024x768", "1093x614", "1280x650", "800x600", "3840x2100"}) {
        QTest::addRow("%s automatic", screen) << QString::fromLatin1(screen) << -1;
        QTest::addRow("%s fit to window", screen) << QString::fromLatin1(screen) << -2;
        for (size_t step = 0; step < LayoutScale::steps.size(); ++step)
            QTest::addRow("%s at %d %%", screen, qRound(LayoutScale::steps[step] * 100))
                << QString::fromLatin1(screen) << int(step);
    }
}

// Whatever the screen and the zoom: every control within reach, none over
// another, and every line of every subject within its pane.
void TestScaling::everyScreenAndZoom() {
    QFETCH(QString, screen);
    QFETCH(int, step);

    ExerciseWindow window(Subjects::code(0, 72, 0.6, 12.3));
    QVERIFY(showMaximisedOn(window, screen));
    for (Control button : {seeanswer1, hideanswer1, seeanswer2})
        window.button(button)->click();
    window.showPathway(Pathway::Gluconeogenesis);
    window.showPathway(Pathway::CitricAcidCycle);

    for (FormWindow* form :
         {static_cast<FormWindow*>(&window),
          static_cast<FormWindow*>(window.pathwayWindow(Pathway::Gluconeogenesis)),
          static_cast<FormWindow*>(window.pathwayWindow(Pathway::CitricAcidCycle))}) {
        if (form != &window)
            QVERIFY(showMaximisedOn(*form, screen));
        setZoom(*form, step);
        checkReach(*form);
        checkOverlaps(*form);
        if (QTest::currentTestFailed())
            return;
    }

    const TextPane* questions = window.questionPane();
    const TextPane* answers = window.answerPane();
    for (const Question& question : Exercise::questions()) {
        QVERIFY(widestLine(*m_lines, *question.prompt, *questions) <=
                questions->contentsRect().width());
        QVERIFY(widestLine(*m_lines, *question.answer, *answers) <=
                answers->contentsRect().width());
        QVERIFY(int(question.answer->size()) * answers->lineHeight() <=
                answers->contentsRect().height());
    }
    QVERIFY(31 * questions->lineHeight() <= questions->contentsRect().height());

    const TextPane* title = window.pathwayWindow(Pathway::Gluconeogenesis)->titlePane();
    QVERIFY(title->lineWidth(title->content().value(0)) <= title->contentsRect().width());
    QVERIFY(title->lineHeight() <= title->contentsRect().height());
}

void TestScaling::keyboardWalkOnSmallScreens_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<bool>("wholeWidth"); // else the button column takes the room
    QTest::newRow("laptop at 125 %") << "1093x614" << true;
    QTest::newRow("800 x 600") << "800x600" << true;
    QTest::newRow("below the floor, scrolled") << "640x480" << false;
}

// Space walks the exercise; the focused button and every line of each
// answer are in view after every press.
void TestScaling::keyboardWalkOnSmallScreens() {
    QFETCH(QString, screen);
    QFETCH(bool, wholeWidth);

    ExerciseWindow window(Subjects::code(0, 72, 0.6, 12.3));
    QVERIFY(showMaximisedOn(window, screen));
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    for (int press = 0; press < 12; ++press) {
        QWidget* focused = QApplication::focusWidget();
        QVERIFY(qobject_cast<QPushButton*>(focused));
        QTest::keyClick(focused, Qt::Key_Space);

        const QRect view = window.viewport();
        focused = QApplication::focusWidget();
        QVERIFY2(view.contains(QRect(focused->mapTo(&window, QPoint()), focused->size())),
                 qPrintable(focused->objectName()));
        const TextPane* answer = window.answerPane();
        const QRect lines(answer->mapTo(&window, answer->contentsRect().topLeft()),
                          QSize(answer->contentsRect().width(),
                                int(answer->content().size()) * answer->lineHeight()));
        const QRect shown = wholeWidth ? lines : QRect(view.left(), lines.top(), 1, lines.height());
        QVERIFY2(lines.isEmpty() || view.contains(shown),
                 qPrintable(QStringLiteral("after press %1").arg(press + 1)));
    }
}

void TestScaling::tabKeepsTheFocusInView_data() {
    QTest::addColumn<int>("presses");
    QTest::newRow("at the start") << 0;
    QTest::newRow("answer 2, with its pathway") << 3;
    QTest::newRow("answer 4") << 7;
}

// Below the floor, Tab and Shift+Tab bring every control they reach into
// view, its start first where it is larger than the view; so does a focus
// given from outside, as a screen reader gives it through the bridge.
void TestScaling::tabKeepsTheFocusInView() {
    QFETCH(int, presses);

    ExerciseWindow window(Subjects::code(0, 72, 0.6, 12.3));
    QVERIFY(showMaximisedOn(window, "640x480"));
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    for (int i = 0; i < presses; ++i)
        window.button(Walkthrough::steps[i])->click();
    const auto inView = [&window] {
        const QWidget* focused = QApplication::focusWidget();
        const QRect at(focused->mapTo(&window, QPoint()), focused->size());
        const QRect view = window.viewport();
        return view.contains(at.topLeft()) &&
               (view.contains(at.bottomRight()) || at.width() > view.width() ||
                at.height() > view.height());
    };
    for (Qt::KeyboardModifiers modifiers : {Qt::NoModifier, Qt::ShiftModifier})
        for (int tab = 0; tab < 8; ++tab) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
            QVERIFY2(inView(), qPrintable(QApplication::focusWidget()->objectName()));
        }
    for (QPushButton* button : window.findChildren<QPushButton*>())
        if (button->isVisible()) {
            button->setFocus(Qt::OtherFocusReason);
            QVERIFY2(inView(), qPrintable(button->objectName()));
        }
}

QTEST_MAIN(TestScaling)
#include "tst_scaling.moc"
