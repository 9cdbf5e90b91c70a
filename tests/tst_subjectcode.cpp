#include "model/clockdraws.h"
#include "model/subjectcode.h"
#include "subjects.h"

#include <QSet>
#include <QTest>

#include <cmath>
#include <tuple>

namespace {

// Every field, compared with == so that a code must give the very bits the
// random draws give.
auto fields(const Scenario& s) {
    return std::tie(s.sex, s.person, s.subjectcap, s.subject, s.possessive, s.weight,
                    s.lactatebefore, s.lactateafter, s.lactatelater, s.ecf, s.lactatefall,
                    s.totallactate, s.atpneeded, s.lactateoxidised, s.massoxidised, s.extraoxygen,
                    s.bmr, s.energyexpenditure, s.oxygenperday, s.oxygenper30min,
                    s.percentincrease);
}

const QString ranges = "A code reads like M72-0.8-12.4: M or W, weight 60 to 84 kg, lactate "
                       "before 0.4 to 0.8 and after 10.0 to 13.9 mmol/L.";

const double largestBelowOne = std::nextafter(1.0, 0.0);

} // namespace

class TestSubjectCode : public QObject {
    Q_OBJECT

private slots:
    void everyCode();
    void anyDrawGivesItsCodesScenario();
    void read_data();
    void read();
    void classSets_data();
    void classSets();
};

void TestSubjectCode::everyCode() {
    int index = 0;
    for (int sex = 0; sex < 2; ++sex)
        for (int weight = 60; weight <= 84; ++weight)
            for (int before = 4; before <= 8; ++before)
                for (int after = 100; after <= 139; ++after, ++index) {
                    const Scenario drawn =
                        Subjects::fromDraws(Subjects::drawsFor(sex, weight, before, after));
                    const QString text = QStringLiteral("%1%2-0.%3-%4.%5")
                                             .arg(sex ? 'W' : 'M')
                                             .arg(weight)
                                             .arg(before)
                                             .arg(after / 10)
                                             .arg(after % 10);
                    const QList<double> draws = Subjects::drawsFor(sex, weight, before, after);
                    qsizetype next = 0;
                    const auto code =
                        std::optional(SubjectCode::draw([&] { return draws.value(next++, 0.0); }));
                    QCOMPARE(next, 4);
                    QCOMPARE(code->text(), text);
                    QCOMPARE(code->index(), index);
                    QCOMPARE(SubjectCode::fromIndex(index), code);
                    QString error;
                    QVERIFY2(SubjectCode::parse(text, &error) == code, qPrintable(error));
                    QVERIFY2(fields(code->scenario()) == fields(drawn), qPrintable(text));
                }
    QCOMPARE(index, SubjectCode::count);
    QVERIFY(!SubjectCode::fromIndex(-1));
    QVERIFY(!SubjectCode::fromIndex(SubjectCode::count));
}

// The same four draws give the same subject as a code and as a Scenario:
// not only the middle of each draw's interval, its ends and random draws too.
void TestSubjectCode::anyDrawGivesItsCodesScenario() {
    ClockDraws random(7);
    for (int i = 0; i < 20000; ++i) {
        const double fixed = i == 0 ? 0.0 : largestBelowOne;
        QList<double> draws;
        for (int d = 0; d < 4; ++d)
            draws.append(i < 2 ? fixed : random());
        qsizetype next = 0;
        const Scenario drawn = makeScenario([&] { return draws.value(next++); });
        next = 0;
        const SubjectCode code = SubjectCode::draw([&] { return draws.value(next++); });
        QVERIFY2(fields(code.scenario()) == fields(drawn), qPrintable(code.text()));
    }
}

void TestSubjectCode::read_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result"); // the code as written back, or the start of the message

    const auto row = [](const char* tag, const char* text, const char* result) {
        QTest::newRow(tag) << QString::fromUtf8(text) << QString::fromUtf8(result);
    };
    row("as written", "M72-0.8-12.4", "M72-0.8-12.4");
    row("lower case", "w60-0.4-10.0", "W60-0.4-10.0");
    row("blanks around", " \tM84-0.8-13.9  ", "M84-0.8-13.9");
    row("lactate without its decimal", "w60-0.4-10", "W60-0.4-10.0");

    row("empty", "", "The code is empty.");
    row("overlong", "M72-0.8-12.4 for Tuesday", "The code is too long (24 ");
    row("wrong sex letter", "F72-0.8-12.4", "The code starts with \"F\"; it must");
    row("both lactates missing", "M72", "The lactates before and after");
    row("lactate after missing", "M72-0.8", "The lactate after the race is missing");
    row("lactate before empty", "M72--12.4", "The lactate before the race is missing");
    row("typographic dash", "M72\u20130.8\u201312.4", "The code has \"\u2013\" where it needs");
    row("typeset minus", "M72\u22120.8\u221212.4", "The code has \"\u2212\" where it needs");
    row("extra part", "M72-0.8-12.4-1", "The code has 4 parts");
    row("weight 59", "M59-0.8-12.4", "Weight 59 is out of range.");
    row("weight 85", "M85-0.8-12.4", "Weight 85 is out of range.");
    row("weight far out, no overflow", "M999999999999-0.8-12",
        "Weight 999999999999 is out of range.");
    row("weight with a decimal", "M72.5-0.8-12.4", "Weight 72.5 is not a whole");
    row("letter in weight", "M7a-0.8-12.4", "Weight \"7a\" is not a number");
    row("before 0.9", "M72-0.9-12.4", "Lactate before 0.9 is out of range.");
    row("before 1", "M72-1-12.4", "Lactate before 1 is out of range.");
    row("before 0.35", "M72-0.35-12.4", "Lactate before 0.35 has more than one");
    row("after 14.0", "M72-0.8-14.0", "Lactate after 14.0 is out of range.");
    row("after 9.9", "M72-0.8-9.9", "Lactate after 9.9 is out of range.");
    row("after 12.45", "M72-0.8-12.45", "Lactate after 12.45 has more than one");
    row("Arabic-Indic digits", "M٧٢-0.8-12.4", "Weight \"٧٢\" has digits other");
}

void TestSubjectCode::read() {
    QFETCH(QString, text);
    QFETCH(QString, result);

    QString error;
    const auto code = SubjectCode::parse(text, &error);
    if (!result.contains(u' ')) {
        QVERIFY2(code, qPrintable(error));
        QCOMPARE(code->text(), result);
    } else {
        QVERIFY(!code);
        QVERIFY2(error.startsWith(result), qPrintable(error));
        QVERIFY2(error.endsWith(u' ' + ranges), qPrintable(error));
    }
}

void TestSubjectCode::classSets_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<double>("draw"); // the same draw every time, or random when negative

    QTest::newRow("a class") << 30 << -1.0;
    QTest::newRow("one") << 1 << -1.0;
    QTest::newRow("every subject") << SubjectCode::count << -1.0;
    QTest::newRow("every subject, draws all 0") << SubjectCode::count << 0.0;
    QTest::newRow("every subject, draws all below 1") << SubjectCode::count << largestBelowOne;
    QTest::newRow("none") << 0 << -1.0;
    QTest::newRow("one more than there are") << SubjectCode::count + 1 << -1.0;
}

void TestSubjectCode::classSets() {
    QFETCH(int, n);
    QFETCH(double, draw);

    ClockDraws random(11);
    QString error;
    const QList<SubjectCode> codes = differentSubjects(
        n, [&] { return draw < 0 ? random() : draw; }, &error);
    if (n < 1 || n > SubjectCode::count) {
        QVERIFY(codes.isEmpty());
        QVERIFY2(error.contains(QStringLiteral("1 to 10000 different subjects, not %1.").arg(n)),
                 qPrintable(error));
        return;
    }
    QSet<int> indexes;
    for (const SubjectCode& code : codes)
        indexes.insert(code.index());
    QCOMPARE(codes.size(), n);
    QCOMPARE(indexes.size(), n);
}

QTEST_APPLESS_MAIN(TestSubjectCode)
#include "tst_subjectcode.moc"
