#include "panes/textpane.h"
#include "subjects.h"
#include "windows/exercisewindow.h"
#include "windows/pathwaywindow.h"

#include <QPushButton>
#include <QTest>

namespace {

using enum Control;

// The walk: the one answer button of each step, in order.
constexpr Control walk[] = {seeanswer1, hideanswer1, seeanswer2, hideanswer2,
                            seeanswer3, hideanswer3, seeanswer4, hideanswer4,
                            seeanswer5, hideanswer5, seeanswer6, hideanswer6};

// The subject of the worked examples: a man of 80 kg whose lactate falls
// by 8.5 mmol/L. Its energy figures are replaced by those that the example
// of the last answer shows.
Scenario workedExample() {
    Scenario s = Subjects::make(0, 80, 0.8, 10.1);
    s.energyexpenditure = 12.1;
    s.oxygenperday = 605;
    s.oxygenper30min = 12.6;
    s.percentincrease = 19.2;
    return s;
}

void pressSteps(ExerciseWindow& window, int presses) {
    for (int i = 0; i < presses; ++i) {
        QPushButton* button = window.button(walk[i]);
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

const QStringList statement = {
    "    You are considering a man who weighs  80  kg. He  has just completed a 100 m sprint.",
    "",
    "    Before the race his plasma lactate was  0.8  mmol /L",
    "    Immediately after the race  his  plasma lactate was  10.1  mmol /L",
    "    30 minutes later  his  plasma lactate was  1.6  mmol /L",
    "",
    "1)  Assuming that extracellular fluid is 20% of body weight,",
    "    what is the total amount of lactate that he has metabolised in 30 minutes?",
};

const QStringList question2 = {
    "",
    "    Most of this lactate will be taken up by the liver and used for gluconeogenesis.",
    "    Some will be used for synthesis of liver glycogen, but most will be released from the "
    "liver as glucose",
    "    and used for glycogen synthesis in muscle.",
    "",
    "2)  What is the total cost in ATP (summing ATP, GTP and UTP) for synthesis of:",
    "         glucose from 2 x lactate",
    "         liver glycogen from 2 x lactate",
    "         muscle glycogen from 2 x lactate",
};

const QStringList question3 = {
    "",
    "3)  How much ATP would be required to convert all of the lactate that has been metabolised "
    "to muscle glycogen?",
};

const QStringList question4 = {
    "",
    "4)   How much lactate must undergo total oxidation to carbon dioxide and water",
    "    (via lactate dehydrogenase, pyruvate dehydrogenase and the citric acid cycle) to provide "
    "this ATP?",
};

// States the same 0.746 L per gram that answer 5 computes with.
const QStringList question5 = {
    "",
    "    The oxidation of lactate, like that of glucose, consumes 0.746 L of oxygen per gram.",
    "    The molecular mass of lactate is 90.1.",
    "",
    "5)  What is his additional oxygen consumption (in L) over the 30 minutes after the end of "
    "the race?",
};

const QStringList question6 = {
    "",
    "6)  Assuming that his total energy expenditure is  12.1 MJ perday",
    "    and that regardless of the fuel being metabolised the energy yield is 20 kJ per L oxygen "
    "consumed",
    "    what is the pecentage increase in his oxygen consumption during this 30 minutes?",
};

const QStringList answer1 = {
    "", "    Extracellular fluid = 0.2 x  80  =  16  L   (You can assume that 1 kg of ecf = 1 L)",
    "", "    Over 30 min his plasma lactate falls by  8.5  mmol/L",
    "", "    Total lactate metabolised =  8.5  x  16  =  136  mmol",
};

const QStringList answer2 = {
    "",
    "    Synthesis of glucose from 2 x lactate uses 6 x ATP",
    "    Synthesis of liver glycogen from 2 x lactate uses 7 x ATP",
    "    Synthesis of muscle glycogen from 2 x lactate uses 8 x ATP",
    "",
    "    Although gluconogenesis from pyruvate requires NADH, this is provided by the oxidation of "
    "lactate to pyruvate.",
};

const QStringList answer3 = {
    "",
    "     136  mmol of lactate has been metabolised; this will require ( 136  / 2 x 8 ) =  544  "
    "mmol ATP",
};

const QStringList answer4 = {
    "    1 mol of lactate oxidised to pyruvate yields 1 x NADH =~2.5 ATP",
    "    1 mol of pyruvate oxidised to acetyl CoA yields 1 x NADH =~2.5 ATP",
    "    1 mol of acetate oxidised in the citric acid cycle yields:",
    "         3 x NADH =~7.5 ATP",
    "         1 x FADH =~1.5 ATP",
    "         1 x GTP = 1 ATP",
    "",
    "    Total 15 ATP produced per lactate oxidised; he needs  544 mmol ATP",
    "    therefore he must oxidise  544 /15 =  36.2  mmol lactate.",
};

const QStringList answer5 = {
    "     36.2  mmol lactate =  36.2 x 90.1  =  3261  mg",
    "",
    "    Additional oxygen consumed = ( 3261  / 1000) x 0.746 =  2.43  L",
    "",
    "    This is oxygen debt - the extra oxygen that is consumed in the metabolism of lactate to "
    "provide",
    "    the ATP that is required for gluconeogenesis and the formation of glycogen.",
};

const QStringList answer6 = {
    "    total oxygen consumed = total energy expenditure (MJ) x 1000 / 20 =  12.1 x 1000 / 20 =  "
    "605  L oxygen /day",
    "    =  605  /48 =  12.6  L oxygen per 30 minutes",
    "",
    "    percent increase in oxygen consumption = 100 x  2.43  /  12.6 =  19.2 %",
};

} // namespace

class TestSequence : public QObject {
    Q_OBJECT

private slots:
    void stages_data();
    void stages();
    void printedBlocks_data();
    void printedBlocks();
    void wholeRecord();
    void pronouns_data();
    void pronouns();
    void pathwayButtonsKeepTheStage_data();
    void pathwayButtonsKeepTheStage();
    void openPathwayOutlivesItsButton();
    void handlersRepeatTheirSteps_data();
    void handlersRepeatTheirSteps();
    void onlyAnswerButtonsHaveHandlers();
};

void TestSequence::stages_data() {
    QTest::addColumn<int>("sex");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QStringList>("buttons"); // besides "end"
    QTest::addColumn<bool>("answerPane");
    QTest::addColumn<int>("questionLines");
    QTest::addColumn<int>("answerLines");

    struct Stage {
        const char* name;
        QStringList buttons;
        bool answerPane;
        int questionLines, answerLines;
    };
    const Stage table[] = {
        {"Q1", {"seeanswer1"}, false, 8, 0},
        {"A1", {"hideanswer1"}, true, 8, 6},
        {"Q2", {"seeanswer2"}, true, 17, 0},
        {"A2", {"hideanswer2", "seepathway1"}, true, 17, 6},
        {"Q3", {"seeanswer3"}, true, 19, 0},
        {"A3", {"hideanswer3"}, true, 19, 2},
        {"Q4", {"seeanswer4", "seepathway2"}, true, 22, 0},
        {"A4", {"hideanswer4", "seepathway2"}, true, 22, 9},
        {"Q5", {"seeanswer5"}, true, 27, 0},
        {"A5", {"hideanswer5"}, true, 27, 6},
        {"Q6", {"seeanswer6"}, true, 31, 0},
        {"A6", {"hideanswer6"}, true, 31, 4},
        {"Finished", {}, true, 31, 0},
    };
    for (int sex : {0, 1})
        for (int presses = 0; presses < int(std::size(table)); ++presses) {
            const Stage& stage = table[presses];
            QTest::addRow("%s %s", sex ? "woman" : "man", stage.name)
                << sex << presses << stage.buttons << stage.answerPane << stage.questionLines
                << stage.answerLines;
        }
}

void TestSequence::stages() {
    QFETCH(int, sex);
    QFETCH(int, presses);
    QFETCH(QStringList, buttons);
    QFETCH(bool, answerPane);
    QFETCH(int, questionLines);
    QFETCH(int, answerLines);

    ExerciseWindow window(Subjects::make(sex, 70, 0.5, 12.0));
    window.show();
    pressSteps(window, presses);

    buttons.append("end");
    buttons.sort();
    QCOMPARE(visibleButtons(window), buttons);
    QCOMPARE(window.answerPane()->isVisible(), answerPane);
    QCOMPARE(window.questionPane()->content().size(), questionLines);
    QCOMPARE(window.answerPane()->content().size(), answerLines);
}

void TestSequence::printedBlocks_data() {
    QTest::addColumn<int>("presses");
    QTest::addColumn<bool>("inQuestionPane");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("statement and question 1") << 0 << true << statement;
    QTest::newRow("answer 1") << 1 << false << answer1;
    QTest::newRow("note and question 2") << 2 << true << question2;
    QTest::newRow("answer 2") << 3 << false << answer2;
    QTest::newRow("question 3") << 4 << true << question3;
    QTest::newRow("answer 3") << 5 << false << answer3;
    QTest::newRow("question 4") << 6 << true << question4;
    QTest::newRow("answer 4") << 7 << false << answer4;
    QTest::newRow("note and question 5, with 0.746 L") << 8 << true << question5;
    QTest::newRow("answer 5") << 9 << false << answer5;
    QTest::newRow("question 6") << 10 << true << question6;
    QTest::newRow("answer 6") << 11 << false << answer6;
}

void TestSequence::printedBlocks() {
    QFETCH(int, presses);
    QFETCH(bool, inQuestionPane);
    QFETCH(QStringList, lines);

    ExerciseWindow window(workedExample());
    window.show();
    pressSteps(window, presses);

    if (inQuestionPane) {
        const QStringList all = window.questionPane()->plainLines();
        QCOMPARE(all.mid(all.size() - lines.size()), lines);
        QVERIFY(window.answerPane()->content().isEmpty());
    } else {
        QCOMPARE(window.answerPane()->plainLines(), lines);
    }
}

void TestSequence::wholeRecord() {
    ExerciseWindow window(workedExample());
    window.show();
    pressSteps(window, 12);

    const QStringList record =
        statement + question2 + question3 + question4 + question5 + question6;
    QCOMPARE(record.size(), 31);
    QCOMPARE(window.questionPane()->plainLines(), record);
    QVERIFY(window.answerPane()->content().isEmpty());
    QVERIFY(window.answerPane()->isVisible());
}

void TestSequence::pronouns_data() {
    QTest::addColumn<int>("presses");
    QTest::addColumn<bool>("inQuestionPane");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");

    QTest::newRow("answer 1 her") << 1 << false << 3
                                  << "    Over 30 min her plasma lactate falls by  9.8  mmol/L";
    QTest::newRow("answer 4 she needs")
        << 7 << false << 7
        << "    Total 15 ATP produced per lactate oxidised; she needs  509 mmol ATP";
    QTest::newRow("answer 4 she must oxidise")
        << 7 << false << 8 << "    therefore she must oxidise  509 /15 =  33.9  mmol lactate.";
    QTest::newRow("question 5 her")
        << 8 << true << 26
        << "5)  What is her additional oxygen consumption (in L) over the 30 minutes after the end "
           "of the race?";
    QTest::newRow("question 6 her, whole figure") << 10 << true << 28
                                                  << "6)  Assuming that her total energy "
                                                     "expenditure is  9.9 MJ perday";
    QTest::newRow("answer 6 whole percentage")
        << 11 << false << 3
        << "    percent increase in oxygen consumption = 100 x  2.27  /  10.31 =  22 %";
}

// A woman of 65 kg: her own words and numbers, whole values without a point.
void TestSequence::pronouns() {
    QFETCH(int, presses);
    QFETCH(bool, inQuestionPane);
    QFETCH(int, line);
    QFETCH(QString, text);

    ExerciseWindow window(Subjects::make(1, 65, 0.5, 10.8));
    window.show();
    pressSteps(window, presses);
    const TextPane* pane = inQuestionPane ? window.questionPane() : window.answerPane();
    QCOMPARE(pane->plainLines().value(line), text);
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

    ExerciseWindow window(workedExample());
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
    ExerciseWindow window(workedExample());
    window.show();
    pressSteps(window, 3);
    window.button(seepathway1)->click();
    window.button(hideanswer2)->click();

    QVERIFY(window.button(seepathway1)->isHidden());
    QVERIFY(window.pathwayWindow(Pathway::Gluconeogenesis)->isVisible());
}

void TestSequence::handlersRepeatTheirSteps_data() {
    QTest::addColumn<Control>("button");
    QTest::addColumn<int>("questionLines");
    QTest::addColumn<int>("answerLines");

    QTest::newRow("hide answer 1 appends its block again") << hideanswer1 << 8 + 9 + 9 << 0;
    QTest::newRow("see answer 1 prints its answer afresh") << seeanswer1 << 8 << 6;
    QTest::newRow("hide answer 6 adds nothing") << hideanswer6 << 8 << 0;
}

void TestSequence::handlersRepeatTheirSteps() {
    QFETCH(Control, button);
    QFETCH(int, questionLines);
    QFETCH(int, answerLines);

    ExerciseWindow window(workedExample());
    window.show();
    // Invoked directly: the handler tests nothing, so a hidden button's
    // handler still performs every step.
    window.button(button)->click();
    window.button(button)->click();
    QCOMPARE(window.questionPane()->content().size(), questionLines);
    QCOMPARE(window.answerPane()->content().size(), answerLines);
    QVERIFY(window.button(button)->isHidden());
}

void TestSequence::onlyAnswerButtonsHaveHandlers() {
    for (Control button : walk)
        QVERIFY(QuestionSequence::hasHandler(button));
    QVERIFY(!QuestionSequence::hasHandler(seepathway1));
    QVERIFY(!QuestionSequence::hasHandler(seepathway2));
    QVERIFY(!QuestionSequence::hasHandler(answerPane));
}

QTEST_MAIN(TestSequence)
#include "tst_sequence.moc"
