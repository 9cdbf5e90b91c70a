// The run's language: asked for by name, found among the desktop's, and the
// numbers it writes.
#include "judging/judge.h"
#include "judging/slips.h"
#include "model/language.h"
#include "model/visibletext.h"
#include "stages/printitem.h"
#include "subjects.h"

#include <QTest>

#include <set>

class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void named_data();
    void named();
    void ofDesktop_data();
    void ofDesktop();
    void numbers_data();
    void numbers();
    void verdictsStartWithTheirWords_data();
    void verdictsStartWithTheirWords();
};

void TestLanguage::named_data() {
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("spoken"); // empty: refused
    for (const auto& [asked, spoken] :
         std::initializer_list<std::pair<const char*, const char*>>{{"en", "en_US"},
                                                                    {"de", "de_DE"},
                                                                    {"DE", "de_DE"},
                                                                    {"fr", "fr_FR"},
                                                                    {"es", "es_ES"},
                                                                    {"pt", "pt_BR"},
                                                                    {"pt_BR", "pt_BR"},
                                                                    {"pt-br", "pt_BR"},
                                                                    {"de_AT", "de_DE"},
                                                                    {"en_GB", "en_US"},
                                                                    {"it", ""},
                                                                    {"xx", ""},
                                                                    {"", ""},
                                                                    {"C", ""},
                                                                    {"de\x1b[2J", ""}})
        QTest::newRow(asked) << QString::fromLatin1(asked) << QString::fromLatin1(spoken);
}

void TestLanguage::named() {
    QFETCH(QString, asked);
    QFETCH(QString, spoken);
    QString error;
    const std::optional<QLocale> locale = Language::named(asked, &error);
    QCOMPARE(locale ? locale->name() : QString(), spoken);
    if (!locale)
        QVERIFY2(error.endsWith("the languages there are: en, de, fr, es, pt_BR.") &&
                     !VisibleText::hasControl(error),
                 qPrintable(error));
}

void TestLanguage::ofDesktop_data() {
    QTest::addColumn<QStringList>("wanted"); // most wanted first
    QTest::addColumn<QString>("spoken");
    QTest::newRow("the first the program speaks") << QStringList{"it", "fr-CA", "de"} << "fr_FR";
    QTest::newRow("Portugal's Portuguese") << QStringList{"pt-PT"} << "pt_BR";
    QTest::newRow("none it speaks") << QStringList{"it", "nl"} << "en_US";
    QTest::newRow("the C locale") << QStringList{"C"} << "en_US";
    QTest::newRow("English before German") << QStringList{"en-GB", "de"} << "en_US";
}

void TestLanguage::ofDesktop() {
    QFETCH(QStringList, wanted);
    QFETCH(QString, spoken);
    QCOMPARE(Language::ofDesktop(wanted).name(), spoken);
}

void TestLanguage::numbers_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("shown");
    for (const char* comma : {"de", "fr", "es", "pt_BR"})
        QTest::newRow(comma) << comma << " 14,4 |0,746|2";
    QTest::newRow("en") << "en"
                        << " 14.4 |0.746|2";
}

// A number item and a constant in the language's decimals; records and the
// class's table keep theirs (tst_record).
void TestLanguage::numbers() {
    QFETCH(QString, language);
    QFETCH(QString, shown);
    Language::speak(*Language::named(language, nullptr));
    QCOMPARE(PrintItem::numberText(14.4f) + u'|' + PrintItem::decimal(0.746) + u'|' +
                 PrintItem::decimal(2.0),
             shown);
    QCOMPARE(QLocale().language(), Language::dates().language());
    Language::speak(QLocale::English);
}

void TestLanguage::verdictsStartWithTheirWords_data() {
    QTest::addColumn<QString>("language");
    for (const QString& name : Language::names())
        QTest::newRow(qPrintable(name)) << name;
}

// Whatever the judge says of an entry starts with its verdict's words, in
// every catalogue: the summary shows those words alone, and a student who
// hears a verdict hears them first.
void TestLanguage::verdictsStartWithTheirWords() {
    QFETCH(QString, language);
    Language::speak(*Language::named(language, nullptr));
    const Scenario s = Subjects::make(0, 72, 0.6, 12.3); // 159.8 mmol, 639 mmol ATP, ...
    const Judge judge(s);
    std::set<Verdict> seen;
    const auto judged = [&](Field field, double value, const LatestEntries& earlier = {}) {
        const FieldCheck check =
            judge.judge(answerField(field), QString::number(value, 'f', 3), earlier);
        QVERIFY2(check.verdict, qPrintable(check.message));
        seen.insert(*check.verdict);
        const QString words = verdictWords(*check.verdict);
        const QStringView after =
            QStringView(check.message).sliced(std::min(words.size(), check.message.size()));
        QVERIFY2(check.message.startsWith(words) && !after.isEmpty() && !after[0].isLetter(),
                 qPrintable(check.message));
    };
    for (const AnswerField& field : answerFields()) {
        const double right = field.workedValue(s);
        for (const double value : {right, right * 1.04, -right, -1.0, 0.001})
            judged(field.field, value);
    }
    for (const Slip& slip : slips())
        judged(slip.field, slip.value(s));
    LatestEntries earlier;
    earlier[size_t(Field::totalLactate)] = 150;
    judged(Field::atpNeeded, 600, earlier); // from 150 mmol
    earlier[size_t(Field::muscleGlycogenCost)] = 9;
    judged(Field::atpNeeded, 675, earlier); // from 150 mmol and 9 ATP
    QCOMPARE(seen.size(), size_t(5));
    Language::speak(QLocale::English);
}

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
