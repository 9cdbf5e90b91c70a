#include "app/program.h"
#include "model/language.h"
#include "panes/panestyle.h"
#include "panes/textpane.h"
#include "paper/paper.h"
#include "stages/exercise.h"
#include "subjects.h"
#include "widestlines.h"
#include "windows/exercisewindow.h"
#include "windows/pathwaywindow.h"

#include <QBuffer>
#include <QMenu>
#include <QPdfWriter>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

// Every line that either pane can hold, for every possible subject, within
// the pane, in the font the panes really get, and within paper's margins;
// every caption within its button and every menu's keys told apart: in the
// language of KORVANEL_TEST_LANGUAGE (English without it), so that CTest
// runs the suite once for each. KORVANEL_TEST_CATALOGUE names a catalogue
// (.qm) to check instead of the one compiled in, for a translator at work.
class TestFit : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyLineFitsItsPane_data();
    void everyLineFitsItsPane();
    void heightsFit();
    void titleFits();
    void captionsFit();
    void menuKeysDiffer();
    void paperKeepsItsMargins();

private:
    WidestLines* m_lines = nullptr;
};

void TestFit::initTestCase() {
    const QString language = qEnvironmentVariable("KORVANEL_TEST_LANGUAGE", "en");
    const std::optional<QLocale> locale = Language::named(language, nullptr);
    QVERIFY2(locale, qPrintable(language));
    static QTranslator catalogue;
    if (const QString file = qEnvironmentVariable("KORVANEL_TEST_CATALOGUE"); !file.isEmpty()) {
        QVERIFY2(catalogue.load(file), qPrintable(file));
        Language::speak(&catalogue, *locale);
    } else {
        Language::speak(*locale);
    }
    static WidestLines lines; // every subject read once, in this language
    m_lines = &lines;
}

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
    ExerciseWindow window(Subjects::code(0, 60, 0.4, 10.0));
    const TextPane* pane = questionPane ? window.questionPane() : window.answerPane();
    const int room = pane->contentsRect().width();
    int widest = 0;
    for (const LineLayout& line :
         m_lines->of(questionPane ? *question.prompt : *question.answer, pane->fontMetrics())) {
        QVERIFY2(int(line.width()) <= room, qPrintable(line.plainText()));
        widest = std::max(widest, int(line.width()));
    }
    qInfo("widest %d px of %d", widest, room);
}

// The question pane holds the statement and every question, the answer
// pane the longest answer, for a man and a woman.
void TestFit::heightsFit() {
    ExerciseWindow window(Subjects::code(0, 72, 0.6, 12.3));
    for (int sex : {0, 1}) {
        const Scenario s = Subjects::make(sex, 72, 0.6, 12.3);
        qsizetype questionLines = 0, longestAnswer = 0;
        for (const Question& question : Exercise::questions()) {
            questionLines += Print::resolve(*question.prompt, s).size();
            longestAnswer = std::max(longestAnswer, Print::resolve(*question.answer, s).size());
        }
        if (Language::isEnglish())
            QCOMPARE(std::pair(questionLines, longestAnswer),
                     std::pair(qsizetype(31), qsizetype(9)));
        QVERIFY(questionLines * window.questionPane()->lineHeight() <=
                window.questionPane()->contentsRect().height());
        QVERIFY(longestAnswer * window.answerPane()->lineHeight() <=
                window.answerPane()->contentsRect().height());
    }
}

void TestFit::titleFits() {
    PathwayWindow window(Pathway::Gluconeogenesis);
    const TextPane* title = window.titlePane();
    QVERIFY(title->lineWidth(title->content().value(0)) <= title->contentsRect().width());
    QVERIFY(title->lineHeight() <= title->contentsRect().height());
}

// A caption may break into two lines where the translation wants it, as
// long as both fit.
void TestFit::captionsFit() {
    ExerciseWindow exercise(Subjects::code(0, 72, 0.6, 12.3));
    PathwayWindow pathway(Pathway::Gluconeogenesis);
    QList<QPushButton*> buttons = exercise.findChildren<QPushButton*>();
    buttons += pathway.findChildren<QPushButton*>();
    QCOMPARE(buttons.size(), 16);
    for (const QPushButton* button : std::as_const(buttons)) {
        const QFontMetrics metrics(button->font());
        const QRect text = metrics.boundingRect(QRect(), Qt::AlignCenter, button->text());
        // The style's frame and margins take 6 px across and 4 down at 100 %.
        QVERIFY2(text.width() + 6 <= button->width() && text.height() + 4 <= button->height(),
                 qPrintable(button->text()));
    }
}

// Each item of a menu is reached by a letter of its own.
void TestFit::menuKeysDiffer() {
    Program program(Subjects::code(0, 72, 0.6, 12.3));
    ExerciseWindow& window = program.window();
    window.show();
    window.openContextMenu(window.mapToGlobal(QPoint(10, 10)));
    QMap<QChar, QString> keys;
    for (const QAction* action : window.contextMenu()->actions()) {
        const QString text = action->text();
        const qsizetype amp = text.indexOf(u'&');
        if (action->isSeparator())
            continue;
        QVERIFY2(amp >= 0 && amp + 1 < text.size(), qPrintable(text));
        const QChar key = text[amp + 1].toLower();
        QVERIFY2(!keys.contains(key), qPrintable(keys.value(key) + " / " + text));
        keys.insert(key, text);
    }
    window.contextMenu()->hide();
}

void TestFit::paperKeepsItsMargins() {
    QBuffer buffer;
    QPdfWriter writer(&buffer);
    writer.setPageLayout(Paper::pageLayout(QLocale(QLocale::English, QLocale::UnitedKingdom)));
    const QFontMetricsF metrics(Paper::lineFont(), &writer);
    const qreal room = Paper::lineRoom(writer);
    qreal most = 0;
    for (const Print::Block* block : WidestLines::blocks())
        for (const LineLayout& layout : m_lines->of(*block, metrics)) {
            QVERIFY2(layout.width() <= room, qPrintable(layout.plainText()));
            most = std::max(most, layout.width());
        }
    qInfo("widest line %.1f mm of %.1f mm", most * 25.4 / writer.resolution(),
          room * 25.4 / writer.resolution());
}

QTEST_MAIN(TestFit)
#include "tst_fit.moc"
