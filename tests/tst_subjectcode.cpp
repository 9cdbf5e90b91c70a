#include "model/clockdraws.h"
#include "model/subjectcode.h"
#include "subjects.h"

#include <QSet>
#include <QTest>

#include <cmath>
#include <tuple>

Q_DECLARE_METATYPE(QList<double>)

namespace {

const QString ranges = "A code reads like M72-0.8-12.4: M or W, weight 60 to 84 kg, lactate "
                       "before 0.4 to 0.8 and after 10.0 to 13.9 mmol/L.";

const double largestBelowOne = std::nextafter(1.0, 0.0);

} // namespace

class TestSubjectCode : public QObject {
    Q_OBJECT

private slots:
    void everyCode();
    void draws_data();
    void draws();
    void read_data();
    void read();
    void lists_data();
    void lists();
    void classSets_data();
    void classSets();
};

// Each subject's code, its index in order and its inputs, both ways.
void TestSubjectCode::everyCode() {
    int index = 0;
    for (int sex = 0; sex < 2; ++sex)
        for (int weight = 60; weight <= 84; ++weight)
            for (int before = 4; before <= 8; ++before)
                for (int after = 100; after <= 139; ++after, ++index) {
                    const QString text = QStringLiteral("%1%2-0.%3-%4.%5")
                                             .arg(sex ? 'W' : 'M')
                                             .arg(weight)
                                             .arg(before)
                                             .arg(after / 10)
                                             .arg(after % 10);
                    const std::optional<SubjectCode> code = SubjectCode::fromIndex(index);
                    QVERIFY(code);
                    QCOMPARE(code->text(), text);
                    QCOMPARE(code->index(), index);
                    QCOMPARE(std::tuple(code->sex(), code->weight(), code->beforeTenths(),
                                        code->afterTenths()),
                             std::tuple(sex, weight, before, after));
                    QString error;
                    QVERIFY2(SubjectCode::parse(text, &error) == code, qPrintable(error));
                }
    QCOMPARE(index, SubjectCode::count);
    QVERIFY(!SubjectCode::fromIndex(-1));
    QVERIFY(!SubjectCode::fromIndex(SubjectCode::count));
}

void TestSubjectCode::draws_data() {
    QTest::addColumn<QList<double>>("draws"); // sex, weight, before, after
    QTest::addColumn<QString>("code");
    const double top = largestBelowOne;
    QTest::newRow("zero") << QList<double>{0, 0, 0, 0} << "M60-0.4-10.0";
    // floor(r x count + low) would round up to one past the top here.
    QTest::newRow("largest below one") << QList<double>{top, top, top, top} << "W84-0.8-13.9";
    QTest::newRow("a half") << QList<double>{0.5, 0.5, 0.5, 0.5} << "W72-0.6-12.0";
    QTest::newRow("just below a step") << QList<double>{0.49, 0.039, 0.19, 0.024} << "M60-0.4-10.0";
    QTest::newRow("at a step") << QList<double>{0.5, 0.04, 0.2, 0.025} << "W61-0.5-10.1";
    QTest::newRow("one, out of range") << QList<double>{1, 1, 1, 1} << "W84-0.8-13.9";
}

// Four draws, in order, each the low end of its range and floor(r x count) steps.
void TestSubjectCode::draws() {
    QFETCH(QList<double>, draws);
    QFETCH(QString, code);
    qsizetype next = 0;
    QCOMPARE(SubjectCode::draw([&] { return draws.value(next++, 0.0); }).text(), code);
    QCOMPARE(next, 4);
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

void TestSubjectCode::lists_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("codes"); // as written back, a blank between; or the message's start
    QTest::newRow("one a line") << "M72-0.8-12.4\nw65-0.5-10.8\n"
                                << "M72-0.8-12.4 W65-0.5-10.8";
    QTest::newRow("commas, semicolons and blanks") << " M60-0.4-10, W84-0.8-13.9;M72-0.6-12.3 \t"
                                                   << "M60-0.4-10.0 W84-0.8-13.9 M72-0.6-12.3";
    QTest::newRow("a code twice") << "M72-0.8-12.4 m72-0.8-12.4"
                                  << "M72-0.8-12.4 M72-0.8-12.4";
    QTest::newRow("none") << " \n,; "
                          << "";
    QTest::newRow("one that does not read")
        << "M72-0.8-12.4\nX1\nW65-0.5-10.8"
        << "!The subject code \"X1\" cannot be read. The code starts with \"X\";";
    QTest::newRow("a control character, written out")
        << "M72-0.8-12.4 M\x1b[2J"
        << "!The subject code \"M\\u001b[2J\" cannot be read.";
    QTest::newRow("a paste too long to quote")
        << QString(300, u'M') << "!The subject code \"" + QString(40, u'M') + "\" cannot be read.";
}

// A teacher's list of codes, read by the code's own parser.
void TestSubjectCode::lists() {
    QFETCH(QString, text);
    QFETCH(QString, codes);
    QString error;
    const std::optional<QList<SubjectCode>> read = SubjectCode::parseList(text, &error);
    if (codes.startsWith(u'!')) {
        QVERIFY(!read);
        QVERIFY2(error.startsWith(codes.mid(1)), qPrintable(error));
        return;
    }
    QVERIFY2(read, qPrintable(error));
    QStringList written;
    for (const SubjectCode& code : *read)
        written.append(code.text());
    QCOMPARE(written.join(u' '), codes);
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
