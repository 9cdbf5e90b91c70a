#include "judging/entry.h"
#include "panes/textpane.h"
#include "practice/answerform.h"
#include "stages/exercise.h"
#include "subjects.h"
#include "walkthrough.h"
#include "widestlines.h"
#include "windows/exercisewindow.h"
#include "windows/pathwaywindow.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

namespace {

using enum Control;
using namespace Walkthrough;

QStringList plain(const Print::Block& block, const Scenario& scenario) {
    QStringList lines;
    for (const PrintLine& line : Print::resolve(block, scenario))
        lines.append(LineLayout(line).plainText());
    return lines;
}

QList<PathwayWindow*> pathwayWindows() {
    QList<PathwayWindow*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<PathwayWindow*>(widget))
            windows.append(window);
    return windows;
}

} // namespace

class TestRobustness : public QObject {
    Q_OBJECT

private slots:
    void pressStorm();
    void practiceStorm();
    void pathwayCycles_data();
    void pathwayCycles();
    void everyNumberReadsBack();
};

// Random presses on whatever can be pressed, the invariants checked after
// every one of them.
void TestRobustness::pressStorm() {
    QRandomGenerator random(20261208);
    int presses = 0;
    int windows = 0;
    while (presses < 10000) {
        const SubjectCode code =
            Subjects::code(random.bounded(2), 60 + random.bounded(25),
                           0.4 + random.bounded(5) / 10.0, 10.0 + random.bounded(40) / 10.0);
        const Scenario scenario = makeScenario(code);
        QStringList record;
        QList<QStringList> answers;
        for (const Question& question : Exercise::questions()) {
            record += plain(*question.prompt, scenario);
            answers.append(plain(*question.answer, scenario));
        }

        auto window = std::make_unique<ExerciseWindow>(code);
        window->show();
        ++windows;
        qsizetype questionLines = window->questionPane()->content().size();

        for (;;) {
            QList<QPushButton*> candidates;
            for (QPushButton* button : window->findChildren<QPushButton*>())
                if (button->isVisible() && button->objectName() != u"end")
                    candidates.append(button);
            for (PathwayWindow* pathway : pathwayWindows())
                if (pathway->isVisible())
                    candidates.append(pathway->findChild<QPushButton*>("Command1"));
            if (candidates.isEmpty())
                break;
            candidates.at(random.bounded(int(candidates.size())))->click();
            ++presses;

            QList<Control> visible;
            for (int c = 0; c < int(Control::answerPane); ++c)
                if (window->button(Control(c))->isVisible())
                    visible.append(Control(c));
            QCOMPARE(visible, stageTable[window->session().stage().index()].buttons);
            QVERIFY(window->findChild<QPushButton*>("end")->isVisible());

            const QStringList questions = window->questionPane()->plainLines();
            QVERIFY(questions.size() >= questionLines);
            QCOMPARE(questions, record.mid(0, questions.size()));
            questionLines = questions.size();

            const QStringList answer = window->answerPane()->plainLines();
            QVERIFY(answer.isEmpty() || answers.contains(answer));

            const QList<PathwayWindow*> pathways = pathwayWindows();
            QVERIFY(pathways.size() <= 2);
            if (pathways.size() == 2)
                QVERIFY(pathways[0]->pathway() != pathways[1]->pathway());
            for (PathwayWindow* pathway : pathways)
                if (pathway->titlePane())
                    QCOMPARE(pathway->titlePane()->content().size(), 1);
        }
        QCOMPARE(questionLines, 31);
    }
    qInfo("%d presses over %d windows", presses, windows);
}

// Presses and random typing with practice on: the stages stay the stages,
// the form is the posed question's, and every filled field gets a verdict
// or the reading's own message, never silence.
void TestRobustness::practiceStorm() {
    QRandomGenerator random(20261209);
    const QStringList typed = {
        "159.8", "6",   "7 x ATP", "2,43 L", "19.2 %", "-3",       "",    "  ",
        "nan",   "inf", "1e5",     "1,234",  "1 234",  "12,345.6", "abc", QString(200, u'9'),
        "0",     ".5",  "136 mol", "\u22122"};
    const QString alphabet = QStringLiteral("0123456789.,- %eLmol");
    int actions = 0;
    while (actions < 3000) {
        auto window = std::make_unique<ExerciseWindow>(
            Subjects::code(random.bounded(2), 60 + random.bounded(25),
                           0.4 + random.bounded(5) / 10.0, 10.0 + random.bounded(40) / 10.0));
        window->session().setPracticeMode(true);
        window->show();
        for (;;) {
            ++actions;
            AnswerForm* form = window->answerForm();
            if (form && random.bounded(3) > 0) {
                QLineEdit* field = form->fields().at(random.bounded(int(form->fields().size())));
                QString text = typed.at(random.bounded(int(typed.size())));
                for (int i = random.bounded(4); i > 0; --i)
                    text += alphabet.at(random.bounded(int(alphabet.size())));
                field->setText(text);
                QTest::keyClick(field, Qt::Key_Return);
                for (qsizetype i = 0; i < form->fields().size(); ++i) {
                    const QString entry = form->fields().at(i)->text();
                    if (entry.trimmed().isEmpty())
                        continue;
                    QString error;
                    const AnswerField& field = questionFields(form->question())[size_t(i)];
                    const bool read = readEntry(entry, field, &error).has_value();
                    const QString verdict = form->verdict(int(i));
                    QVERIFY2(read ? QRegularExpression(
                                        QStringLiteral("^(Correct|Not yet|Carried forward|Close)"))
                                        .match(verdict)
                                        .hasMatch()
                                  : verdict == error,
                             qPrintable(entry + QStringLiteral(" -> ") + verdict));
                }
            } else {
                QList<QPushButton*> candidates;
                for (QPushButton* button : window->findChildren<QPushButton*>())
                    if (button->isVisible() && button->objectName() != u"end" &&
                        button->objectName() != u"check")
                        candidates.append(button);
                if (candidates.isEmpty())
                    break;
                candidates.at(random.bounded(int(candidates.size())))->click();
            }
            QList<Control> visible;
            for (int c = 0; c < int(Control::answerPane); ++c)
                if (window->button(Control(c))->isVisible())
                    visible.append(Control(c));
            const StageRow& stage = stageTable[window->session().stage().index()];
            QCOMPARE(visible, stage.buttons);
            QCOMPARE(window->answerForm() ? window->answerForm()->question() : 0, stage.posed);
        }
        for (PathwayWindow* pathway : pathwayWindows())
            pathway->hide();
    }
}

void TestRobustness::pathwayCycles_data() {
    QTest::addColumn<Pathway>("pathway");
    QTest::newRow("gluconeogenesis") << Pathway::Gluconeogenesis;
    QTest::newRow("citric acid cycle") << Pathway::CitricAcidCycle;
}

void TestRobustness::pathwayCycles() {
    QFETCH(Pathway, pathway);

    ExerciseWindow window(Subjects::code(0, 72, 0.6, 12.3));
    window.show();
    for (int cycle = 0; cycle < 100; ++cycle) {
        window.showPathway(pathway);
        QVERIFY(window.pathwayWindow(pathway)->isVisible());
        QCoreApplication::processEvents();
        window.pathwayWindow(pathway)->findChild<QPushButton*>("Command1")->click();
        QVERIFY(window.pathwayWindow(pathway)->isHidden());
    }
    QCOMPARE(pathwayWindows().size(), 1);
}

// For every subject, every number printed reads back as the stored value.
void TestRobustness::everyNumberReadsBack() {
    int numbers = 0;
    Subjects::forEach([&](const Scenario& s) {
        for (const Print::Block* block : WidestLines::blocks())
            for (const Print::Line& line : *block)
                for (const ScenarioNumber& place : line.places) {
                    if (!place.ofSubject())
                        continue;
                    const QString text = place.place(s).item.text;
                    QVERIFY(text.startsWith(u' ') && text.endsWith(u' '));
                    bool ok = false;
                    if (place.single)
                        QCOMPARE(text.trimmed().toFloat(&ok), s.*place.single);
                    else
                        QCOMPARE(text.trimmed().toDouble(&ok), s.*place.dbl);
                    QVERIFY(ok);
                    ++numbers;
                }
    });
    QCOMPARE(numbers, 10000 * 29);
}

QTEST_MAIN(TestRobustness)
#include "tst_robustness.moc"
