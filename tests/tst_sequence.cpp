// The stages in the exercise window: at each one the window shows the
// buttons, panes and lines the session holds, pathway buttons open their
// windows and keep the stage, and a hidden button does nothing.
#include "handworked.h"
#include "panes/textpane.h"
#include "subjects.h"
#include "walkthrough.h"
#include "windows/exercisewindow.h"
#include "windows/pathwaywindow.h"

#include <QPushButton>
#include <QTest>

namespace {

using namespace Walkthrough;
using Transcript::plain;

void pressSteps(ExerciseWindow& window, int presses) {
    for (int i = 0; i < presses; ++i) {
        QPushButton* button = window.button(steps[i]);
        QVERIFY2(button->isVisible(), qPrintable(button->objectName()));
        button->click();
    }
}

QStringList visibleButtons(const ExerciseWindow& window) {
    QStringList names;
    for (QPushButton* button : window.findChildren<QPushButton*>())
        if (button->isVisible())
            names.append(button->objectName());
    names.sort();
    return names;
}

} // namespace

class TestSequence : public QObject {
    Q_OBJECT

private slots:
    void stages_data();
    void stages();
    void pathwayButtonsKeepTheStage_data();
    void pathwayButtonsKeepTheStage();
    void openPathwayOutlivesItsButton();
    void hiddenButtonsDoNothing_data();
    void hiddenButtonsDoNothing();
};

void TestSequence::stages_data() {
    addStageRows();
}

void TestSequence::stages() {
    QFETCH(int, sex);
    QFETCH(int, presses);
    const StageRow& row = stageTable[presses];

    ExerciseWindow window(Subjects::code(sex, 80, 0.8, 10.1));
    window.show();
    pressSteps(window, presses);

    QStringList buttons = {"end"};
    for (Control control : row.buttons)
        buttons.append(window.button(control)->objectName());
    buttons.sort();
    QCOMPARE(visibleButtons(window), buttons);
    QCOMPARE(window.answerPane()->isVisible(), row.answerPane);
    QCOMPARE(window.questionPane()->content().size(), row.questionLines);
    QCOMPARE(window.answerPane()->content().size(), row.answerLines);

    // As worked by hand: every prompt so far, the answer shown.
    const Stage stage = window.session().stage();
    QStringList questions;
    for (int q = 1; q <= stage.reachedQuestion(); ++q)
        questions += HandWorked::prompts(sex)[q - 1];
    QCOMPARE(window.questionPane()->plainLines(), questions);
    QCOMPARE(window.answerPane()->plainLines(),
             stage.shownAnswer() ? HandWorked::answers(sex)[stage.shownAnswer() - 1]
                                 : QStringList());
}

void TestSequence::pathwayButtonsKeepTheStage_data() {
    QTest::addColumn<int>("presses");
    QTest::addColumn<Control>("button");
    QTest::addColumn<Pathway>("pathway");

    QTest::newRow("see pathway 1 in A2") << 3 << seepathway1 << Pathway::Gluconeogenesis;
    QTest::newRow("see pathway 2 in Q4") << 6 << seepathway2 << Pathway::CitricAcidCycle;
    QTest::newRow("see pathway 2 in A4") << 7 << seepathway2 << Pathway::CitricAcidCycle;
}

void TestSequence::pathwayButtonsKeepTheStage() {
    QFETCH(int, presses);
    QFETCH(Control, button);
    QFETCH(Pathway, pathway);

    ExerciseWindow window(Subjects::code(0, 80, 0.8, 10.1));
    window.show();
    pressSteps(window, presses);
    const QStringList buttons = visibleButtons(window);
    const QStringList questions = window.questionPane()->plainLines();
    const QStringList answer = window.answerPane()->plainLines();

    for (int i = 0; i < 3; ++i)
        window.button(button)->click();

    QCOMPARE(visibleButtons(window), buttons);
    QCOMPARE(window.questionPane()->plainLines(), questions);
    QCOMPARE(window.answerPane()->plainLines(), answer);
    QVERIFY(window.pathwayWindow(pathway));
    QVERIFY(window.pathwayWindow(pathway)->isVisible());
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.begin(), windows.end(),
                           [](QWidget* w) { return qobject_cast<PathwayWindow*>(w) != nullptr; }),
             1);
}

void TestSequence::openPathwayOutlivesItsButton() {
    ExerciseWindow window(Subjects::code(0, 80, 0.8, 10.1));
    window.show();
    pressSteps(window, 3);
    window.button(seepathway1)->click();
    window.button(hideanswer2)->click();

    QVERIFY(window.button(seepathway1)->isHidden());
    QVERIFY(window.pathwayWindow(Pathway::Gluconeogenesis)->isVisible());
}

void TestSequence::hiddenButtonsDoNothing_data() {
    QTest::addColumn<Control>("button");
    QTest::newRow("hide answer 1 before its answer") << hideanswer1;
    QTest::newRow("see answer 2 before question 2") << seeanswer2;
    QTest::newRow("see pathway 2 at the start") << seepathway2;
    QTest::newRow("hide answer 6") << hideanswer6;
}

// Clicked from code, a hidden button reaches the session, which refuses it:
// the window stays at its stage, as a student who cannot see the button would
// find it.
void TestSequence::hiddenButtonsDoNothing() {
    QFETCH(Control, button);

    ExerciseWindow window(Subjects::code(0, 80, 0.8, 10.1));
    window.show();
    window.button(button)->click();
    window.button(button)->click();
    QCOMPARE(window.session().stage(), Stage());
    QCOMPARE(window.questionPane()->content().size(), 8);
    QCOMPARE(window.answerPane()->content().size(), 0);
    QVERIFY(window.button(button)->isHidden());
    QVERIFY(!window.pathwayWindow(Pathway::CitricAcidCycle));
}

QTEST_MAIN(TestSequence)
#include "tst_sequence.moc"
