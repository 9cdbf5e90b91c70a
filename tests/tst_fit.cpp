#include "panes/panestyle.h"
#include "panes/textpane.h"
#include "stages/exercise.h"
#include "subjects.h"
#include "windows/exercisewindow.h"
#include "windows/pathwaywindow.h"

#include <QTest>

namespace {

struct Widest {
    int pixels = 0;
    QString text;
};

} // namespace

// Every line that either pane can hold, for every possible subject, within
// the pane, in the font the panes really get.
class TestFit : public QObject {
    Q_OBJECT

private slots:
    void everyLineFitsItsPane_data();
    void everyLineFitsItsPane();
    void heightsFit();
    void titleFits();
};

void TestFit::everyLineFitsItsPane_data() {
    QTest::addColumn<bool>("questionPane");
    QTest::addColumn<int>("block");
    for (const Question& question : Exercise::questions())
        QTest::addRow("question block %d", question.number) << true << question.number;
    for (const Question& question : Exercise::questions())
        QTest::addRow("answer %d", question.number) << false << question.number;
}

void TestFit::everyLineFitsItsPane() {
    QFETCH(bool, questionPane);
    QFETCH(int, block);
    const Question& question = Exercise::question(block);
    const Print::Block& lines = questionPane ? *question.prompt : *question.answer;

    ExerciseWindow window(Subjects::code(0, 60, 0.4, 10.0));
    const TextPane* pane = questionPane ? window.questionPane() : window.answerPane();
    const int room = pane->contentsRect().width();

    Widest widest;
    Subjects::forEach([&](const Scenario& s) {
        for (const PrintLine& line : Print::resolve(lines, s)) {
            const int width = pane->lineWidth(line);
            if (width > widest.pixels)
                widest = {width, LineLayout(line).plainText()};
        }
    });
    qInfo("widest %d px of %d: %s", widest.pixels, room, qPrintable(widest.text));
    QVERIFY2(widest.pixels <= room, qPrintable(widest.text));
}

void TestFit::heightsFit() {
    ExerciseWindow window(Subjects::code(0, 72, 0.6, 12.3));
    int questionLines = 0;
    size_t longestAnswer = 0;
    for (const Question& question : Exercise::questions()) {
        questionLines += int(question.prompt->size());
        longestAnswer = std::max(longestAnswer, question.answer->size());
    }
    QCOMPARE(questionLines, 31);
    QVERIFY(questionLines * window.questionPane()->lineHeight() <=
            window.questionPane()->contentsRect().height());

    QCOMPARE(longestAnswer, size_t(9));
    QVERIFY(int(longestAnswer) * window.answerPane()->lineHeight() <=
            window.answerPane()->contentsRect().height());
}

void TestFit::titleFits() {
    PathwayWindow window(Pathway::Gluconeogenesis);
    const TextPane* title = window.titlePane();
    QVERIFY(title->lineWidth(title->content().value(0)) <= title->contentsRect().width());
    QVERIFY(title->lineHeight() <= title->contentsRect().height());
}

QTEST_MAIN(TestFit)
#include "tst_fit.moc"
