// Runs on a real X server with a window manager (tests/on-screen.sh).
#include "panes/textpane.h"
#include "subjects.h"
#include "windows/exercisewindow.h"
#include "windows/pathwaywindow.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>

class TestScreen : public QObject {
    Q_OBJECT

private slots:
    void opensMaximised_data();
    void opensMaximised();
    void openPathwayComesToTheFront();
};

void TestScreen::opensMaximised_data() {
    QTest::addColumn<bool>("pathway");
    QTest::newRow("exercise window") << false;
    QTest::newRow("pathway window") << true;
}

void TestScreen::opensMaximised() {
    QFETCH(bool, pathway);

    ExerciseWindow exercise(Subjects::code(0, 72, 0.6, 12.3));
    exercise.showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(&exercise));
    QWidget* window = &exercise;
    if (pathway) {
        exercise.showPathway(Pathway::Gluconeogenesis);
        window = exercise.pathwayWindow(Pathway::Gluconeogenesis);
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }

    // The window manager gives the whole screen to the client area.
    const QRect available = window->screen()->availableGeometry();
    QTRY_COMPARE(window->size(), available.size());

    // Controls stay at their logical positions, not stretched.
    const auto* button = window->findChild<QPushButton*>(pathway ? "Command1" : "end");
    QCOMPARE(button->mapTo(window, QPoint(0, 0)), pathway ? QPoint(864, 688) : QPoint(872, 696));
    QCOMPARE(button->size(), pathway ? QSize(137, 41) : QSize(121, 33));
}

// Pressing "See pathway" while its window is open behind the exercise
// brings that window forward, rather than leaving it buried.
void TestScreen::openPathwayComesToTheFront() {
    ExerciseWindow exercise(Subjects::code(0, 72, 0.6, 12.3));
    exercise.showMaximized();
    QVERIFY(QTest::qWaitForWindowActive(&exercise));
    exercise.showPathway(Pathway::CitricAcidCycle);
    PathwayWindow* pathway = exercise.pathwayWindow(Pathway::CitricAcidCycle);
    QTRY_COMPARE(QApplication::activeWindow(), pathway);

    exercise.activateWindow();
    exercise.raise();
    QTRY_COMPARE(QApplication::activeWindow(), &exercise);
    QVERIFY(pathway->isVisible());

    exercise.showPathway(Pathway::CitricAcidCycle);
    QTRY_COMPARE(QApplication::activeWindow(), pathway);
}

QTEST_MAIN(TestScreen)
#include "tst_screen.moc"
