#include "model/clockdraws.h"
#include "model/scenario.h"
#include "stages/printitem.h"
#include "subjects.h"

#include <QTest>

#include <cmath>
#include <limits>

namespace {

// The decimal form of every derived value, in the order they are computed.
QStringList derived(const Scenario& s) {
    return {PrintItem::decimal(s.lactatelater),      PrintItem::decimal(s.ecf),
            PrintItem::decimal(s.lactatefall),       PrintItem::decimal(s.totallactate),
            PrintItem::decimal(s.atpneeded),         PrintItem::decimal(s.lactateoxidised),
            PrintItem::decimal(s.massoxidised),      PrintItem::decimal(s.extraoxygen),
            PrintItem::decimal(s.energyexpenditure), PrintItem::decimal(s.oxygenperday),
            PrintItem::decimal(s.oxygenper30min),    PrintItem::decimal(s.percentincrease)};
}

int decimals(const QString& text) {
    const qsizetype point = text.indexOf(u'.');
    return point < 0 ? 0 : int(text.size() - point - 1);
}

const double largestBelowOne = std::nextafter(1.0, 0.0);

} // namespace

class TestScenario : public QObject {
    Q_OBJECT

private slots:
    void workedExamples_data();
    void workedExamples();
    void bmr_data();
    void bmr();
    void everySubjectWithinRange();
    void drawsAreHalfOpen();
};

void TestScenario::workedExamples_data() {
    QTest::addColumn<int>("sex");
    QTest::addColumn<int>("weight");
    QTest::addColumn<double>("before");
    QTest::addColumn<double>("after");
    QTest::addColumn<QString>("bmr");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("man 72 kg") << 0 << 72 << 0.6 << 12.3 << "7.162"
                               << QStringList{"1.2",  "14.4", "11.1", "159.8", "639",  "42.6",
                                              "3838", "2.86", "12.1", "605",   "12.6", "22.6"};
    QTest::newRow("woman 65 kg") << 1 << 65 << 0.5 << 10.8 << "5.836"
                                 << QStringList{"1",    "13",   "9.8", "127.4", "509",   "33.9",
                                                "3054", "2.27", "9.9", "495",   "10.31", "22"};
    // 12 x 10.9 is 130.8 in decimal, but the float product is just below it.
    QTest::newRow("float product a tenth low")
        << 0 << 60 << 0.4 << 11.7 << "6.58"
        << QStringList{"0.8",  "12",   "10.9", "130.7", "522",   "34.8",
                       "3135", "2.33", "11.1", "555",   "11.56", "20.1"};
    // 10.4 - 0.8 is 9.6 in decimal, but the float difference is just below it.
    QTest::newRow("float difference a tenth low")
        << 0 << 70 << 0.4 << 10.4 << "7.065"
        << QStringList{"0.8",  "14",   "9.5", "133", "532",  "35.4",
                       "3189", "2.37", "12",  "600", "12.5", "18.9"};
    // The total in float: in double, 12 x 9.2 x 10 falls just short of 1104.
    QTest::newRow("total lactate in float, not double")
        << 0 << 60 << 0.4 << 10.0 << "6.58"
        << QStringList{"0.8",  "12",   "9.2",  "110.4", "441",   "29.4",
                       "2648", "1.97", "11.1", "555",   "11.56", "17"};
}

void TestScenario::workedExamples() {
    QFETCH(int, sex);
    QFETCH(int, weight);
    QFETCH(double, before);
    QFETCH(double, after);
    QFETCH(QString, bmr);
    QFETCH(QStringList, expected);

    const Scenario s = Subjects::make(sex, weight, before, after);
    QCOMPARE(s.sex, sex);
    QCOMPARE(PrintItem::decimal(s.weight), QString::number(weight));
    QCOMPARE(s.lactatebefore, float(before));
    QCOMPARE(s.lactateafter, float(after));
    QCOMPARE(derived(s), expected);
    QVERIFY2(std::abs(s.bmr - bmr.toDouble()) < 1e-9, qPrintable(QString::number(s.bmr, 'g', 17)));
}

void TestScenario::bmr_data() {
    QTest::addColumn<int>("sex");
    QTest::addColumn<double>("bmr");         // worked by hand: 0.0485 x 70 + 3.67, ...
    QTest::addColumn<double>("expenditure"); // 1.7 times it, down to tenths
    QTest::newRow("man") << 0 << 7.065 << 12.0;
    QTest::newRow("woman") << 1 << 6.018 << 10.2;
}

// A subject of 70 kg: a man's and a woman's basal metabolic rate, and the
// energy they spend in a day.
void TestScenario::bmr() {
    QFETCH(int, sex);
    QFETCH(double, bmr);
    QFETCH(double, expenditure);
    const Scenario s = Subjects::make(sex, 70, 0.5, 12.0);
    QVERIFY2(std::abs(s.bmr - bmr) < 1e-9, qPrintable(QString::number(s.bmr, 'g', 17)));
    QCOMPARE(PrintItem::decimal(s.energyexpenditure), QString::number(expenditure));
}

// All 2 x 25 x 5 x 40 subjects: every value within the range the exercise
// promises, truncated to its digits, and the ends of each range reached.
void TestScenario::everySubjectWithinRange() {
    struct Range {
        const char* name;
        double low, high;
        int digits;
        double seenLow = std::numeric_limits<double>::max();
        double seenHigh = std::numeric_limits<double>::lowest();
    };
    Range ranges[] = {
        {"weight", 60, 84, 0},
        {"lactatebefore", 0.4, 0.8, 1},
        {"lactateafter", 10.0, 13.9, 1},
        {"lactatelater", 0.8, 1.6, 1},
        {"ecf", 12.0, 16.8, 1},
        {"lactatefall", 8.4, 13.1, 1},
        {"totallactate", 100.7, 220.0, 1},
        {"atpneeded", 402, 880, 0},
        {"lactateoxidised", 26.8, 58.6, 1},
        {"massoxidised", 2414, 5279, 0},
        {"extraoxygen", 1.80, 3.93, 2},
        {"energyexpenditure", 9.6, 13.1, 1},
        {"oxygenperday", 480, 655, 0},
        {"oxygenper30min", 10.00, 13.64, 2},
        {"percentincrease", 15.5, 34.3, 1},
    };
    double bmrLow = 100, bmrHigh = 0;
    int index = 0; // the codes' order

    for (int sex = 0; sex < 2; ++sex)
        for (int weight = 60; weight <= 84; ++weight)
            for (int before = 4; before <= 8; ++before)
                for (int after = 100; after <= 139; ++after) {
                    const Scenario s = makeScenario(*SubjectCode::fromIndex(index++));
                    const QString values[] = {PrintItem::decimal(s.weight),
                                              PrintItem::decimal(s.lactatebefore),
                                              PrintItem::decimal(s.lactateafter),
                                              PrintItem::decimal(s.lactatelater),
                                              PrintItem::decimal(s.ecf),
                                              PrintItem::decimal(s.lactatefall),
                                              PrintItem::decimal(s.totallactate),
                                              PrintItem::decimal(s.atpneeded),
                                              PrintItem::decimal(s.lactateoxidised),
                                              PrintItem::decimal(s.massoxidised),
                                              PrintItem::decimal(s.extraoxygen),
                                              PrintItem::decimal(s.energyexpenditure),
                                              PrintItem::decimal(s.oxygenperday),
                                              PrintItem::decimal(s.oxygenper30min),
                                              PrintItem::decimal(s.percentincrease)};
                    QCOMPARE(s.sex, sex);
                    QCOMPARE(values[0], QString::number(weight));
                    QCOMPARE(values[1], QString::number(before / 10.0));
                    QCOMPARE(values[2], QString::number(after / 10.0));
                    for (size_t i = 0; i < std::size(ranges); ++i) {
                        Range& range = ranges[i];
                        const double value = values[i].toDouble();
                        const QByteArray where =
                            QByteArray(range.name) + " = " + values[i].toLatin1();
                        QVERIFY2(value >= range.low - 1e-9 && value <= range.high + 1e-9,
                                 where.constData());
                        QVERIFY2(decimals(values[i]) <= range.digits, where.constData());
                        range.seenLow = std::min(range.seenLow, value);
                        range.seenHigh = std::max(range.seenHigh, value);
                    }
                    bmrLow = std::min(bmrLow, s.bmr);
                    bmrHigh = std::max(bmrHigh, s.bmr);
                }

    for (const Range& range : ranges) {
        QVERIFY2(std::abs(range.seenLow - range.low) < 1e-9, range.name);
        QVERIFY2(std::abs(range.seenHigh - range.high) < 1e-9, range.name);
    }
    QVERIFY(std::abs(bmrLow - 5.654) < 1e-9);
    QVERIFY(std::abs(bmrHigh - 7.744) < 1e-9);
}

void TestScenario::drawsAreHalfOpen() {
    QCOMPARE(ClockDraws::fromBits(0), 0.0);
    QCOMPARE(ClockDraws::fromBits(~0ull), largestBelowOne);
    QVERIFY(ClockDraws::fromBits(~0ull) < 1.0); // QCOMPARE on doubles is fuzzy

    ClockDraws draws(12345);
    for (int i = 0; i < 100000; ++i) {
        const double r = draws();
        QVERIFY(r >= 0.0 && r < 1.0);
    }
}

QTEST_APPLESS_MAIN(TestScenario)
#include "tst_scenario.moc"
