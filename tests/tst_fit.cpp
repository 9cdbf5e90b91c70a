#include "panes/panestyle.h"
#include "panes/textpane.h"
#include "stages/exercisetexts.h"
#include "subjects.h"
#include "windows/exercisewindow.h"
#include "windows/pathwaywindow.h"

#include <QTest>

namespace {

struct Widest {
    int pixels = 0;
    QString text;
};

const Print::Block* const questionBlocks[] = {&Texts::statement, &Texts::question2,
                                              &Texts::question3, &Texts::question4,
                                              &Texts::question5, &Texts::question6};
const Print::Block* const answerBlocks[] = {&Texts::answer1, &Texts::answer2, &Texts::answer3,
                                            &Texts::answer4, &Texts::answer5, &Texts::answer6};

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
    for (int i = 0; i < int(std::size(questionBlocks)); ++i)
        QTest::addRow("question block %d", i + 1) << true << i;
    for (int i = 0; i < int(std::size(answerBlocks)); ++i)
        QTest::addRow("answer %d", i + 1) << false << i;
}

void TestFit::everyLineFitsItsPane() {
    QFETCH(bool, questionPane);
    QFETCH(int, block);
    const Print::Block& lines = questionPane ? *questionBlocks[block] : *answerBlocks[block];

    ExerciseWindow window(Subjects::make(0, 60, 0.4, 10.0));
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
    ExerciseWindow window(Subjects::make(0, 72, 0.6, 12.3));
    int questionLines = 0;
    for (const Print::Block* block : questionBlocks)
        questionLines += int(block->size());
    QCOMPARE(questionLines, 31);
    QVERIFY(questionLines * window.questionPane()->lineHeight() <=
            window.questionPane()->contentsRect().height());

    size_t longestAnswer = 0;
    for (const Print::Block* answer : answerBlocks)
        longestAnswer = std::max(longestAnswer, answer->size());
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
