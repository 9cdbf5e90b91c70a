// The run's language: asked for by name, found among the desktop's, and the
// numbers it writes.
#include "model/language.h"
#include "stages/printitem.h"

#include <QTest>

class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void named_data();
    void named();
    void ofDesktop_data();
    void ofDesktop();
    void numbers_data();
    void numbers();
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
                                                                    {"C", ""}})
        QTest::newRow(asked) << QString::fromLatin1(asked) << QString::fromLatin1(spoken);
}

void TestLanguage::named() {
    QFETCH(QString, asked);
    QFETCH(QString, spoken);
    QString error;
    const std::optional<QLocale> locale = Language::named(asked, &error);
    QCOMPARE(locale ? locale->name() : QString(), spoken);
    if (!locale)
        QVERIFY2(error.endsWith("the languages there are: en, de, fr, es, pt_BR."),
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

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
