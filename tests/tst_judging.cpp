#include "judging/entry.h"
#include "judging/judge.h"
#include "judging/slips.h"
#include "model/subjectcode.h"
#include "subjects.h"

#include <QTest>

#include <cmath>

namespace {

using enum Field;

// More decimals than any answer needs, as a careful student types it.
QString typed(double value) {
    return QString::number(value, 'f', 3);
}

bool within(double value, double target, double share) {
    return std::abs(value - target) <= share * std::abs(target);
}

// A student's checks of one subject: each judged from the entries before it.
struct Practice {
    explicit Practice(const Scenario& scenario)
        : scenario(scenario) {}

    QList<FieldCheck> check(int question, const QStringList& entries) {
        const QList<FieldCheck> checks = Judge(scenario).check(question, entries, latest);
        for (const FieldCheck& c : checks)
            if (c.value)
                latest[size_t(c.field)] = c.value;
        return checks;
    }

    Scenario scenario;
    LatestEntries latest;
};

// Checks `text` in one field, the other fields of its question left empty.
FieldCheck enter(Practice& practice, Field field, const QString& text) {
    const AnswerField& f = answerField(field);
    const auto fields = questionFields(f.question);
    const qsizetype place = &f - fields.data();
    const qsizetype count = qsizetype(fields.size());
    QStringList entries(count);
    entries[place] = text;
    const QList<FieldCheck> checks = practice.check(f.question, entries);
    return checks.size() == count ? checks[place] : FieldCheck{field, {}, "no check", {}};
}

// An earlier answer off by a factor, which a later answer worked from it carries.
struct Chain {
    Field earlier;
    double factor;
    Field later;
};

const Chain chains[] = {{totalLactate, 1.3, atpNeeded},
                        {muscleGlycogenCost, 9.0 / 8, atpNeeded},
                        {atpNeeded, 1.3, lactateOxidised},
                        {lactateOxidised, 1.3, extraOxygen},
                        {extraOxygen, 1.3, percentIncrease}};

} // namespace

class TestJudging : public QObject {
    Q_OBJECT

private slots:
    void entries_data();
    void entries();
    void verdicts_data();
    void verdicts();
    void everySubject();
    void practiceRecord();
};

void TestJudging::entries_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("message"); // its start; empty when the entry is read

    const int q1 = int(totalLactate), q2 = int(glucoseCost), q3 = int(atpNeeded),
              q5 = int(extraOxygen), q6 = int(percentIncrease), made = -1; // a field in kJ
    QTest::newRow("plain") << q1 << "159.8" << 159.8 << "";
    QTest::newRow("blanks around") << q1 << " \t159.8  " << 159.8 << "";
    QTest::newRow("decimal comma") << q5 << "2,43" << 2.43 << "";
    QTest::newRow("unit after a blank") << q1 << "136 mmol" << 136.0 << "";
    QTest::newRow("unit after a decimal comma") << q5 << "2,43 L" << 2.43 << "";
    QTest::newRow("unit in lower case") << q5 << "2.43 l" << 2.43 << "";
    QTest::newRow("percent after a blank") << q6 << "19.2 %" << 19.2 << "";
    QTest::newRow("percent joined") << q6 << "19.2%" << 19.2 << "";
    QTest::newRow("unit with what it counts") << q3 << "700  mmol ATP" << 700.0 << "";
    QTest::newRow("count as the answer prints it") << q2 << "6 x ATP" << 6.0 << "";
    QTest::newRow("leading plus") << q1 << "+159.8" << 159.8 << "";
    QTest::newRow("negative") << q1 << "- 159.8" << -159.8 << "";
    QTest::newRow("typeset minus") << q5 << "\u22122.43" << -2.43 << "";
    QTest::newRow("no digit before the point") << q5 << ".5" << 0.5 << "";
    QTest::newRow("comma after a lone 0 is decimal") << q5 << "0,746" << 0.746 << "";
    QTest::newRow("comma after four digits is decimal") << q1 << "1234,5" << 1234.5 << "";
    QTest::newRow("point before three digits is decimal") << q5 << "2.430" << 2.43 << "";
    // Another unit of the field's kind is converted, to the double of the
    // decimal typed in the field's unit: 0.1617 x 1000 would be
    // 161.70000000000002, 2260 x 0.001 2.2600000000000002.
    QTest::newRow("mol, as the field's mmol") << q1 << "0.1894 mol" << 189.4 << "";
    QTest::newRow("mol, where multiplying misses") << q1 << "0.1617 mol" << 161.7 << "";
    QTest::newRow("micromoles") << q1 << "189400 \u00b5mol" << 189.4 << "";
    QTest::newRow("u for micro, joined") << q1 << "189400umol" << 189.4 << "";
    QTest::newRow("mL, as the field's L") << q5 << "2430 mL" << 2.43 << "";
    QTest::newRow("capitals, where multiplying misses") << q5 << "2260 ML" << 2.26 << "";
    QTest::newRow("mol, with what it counts") << q3 << "0.639 mol ATP" << 639.0 << "";
    QTest::newRow("MJ, as the field's kJ") << made << "12.1 MJ" << 12100.0 << "";

    const double none = qQNaN();
    QTest::newRow("empty") << q1 << "" << none << "Nothing is typed here.";
    QTest::newRow("overlong paste") << q1 << QString(33, u'1') << none << "This is too long";
    QTest::newRow("word") << q1 << "lots" << none << "\"lots\" is not a number";
    QTest::newRow("sign only") << q1 << "-" << none << "\"-\" is not a number";
    QTest::newRow("letter among digits") << q1 << "15a9.8" << none << "\"15a9.8\" is not a number";
    QTest::newRow("nan") << q1 << "nan" << none << "\"nan\" is not a number";
    QTest::newRow("infinity") << q1 << "-inf" << none << "\"-inf\" is not a number";
    QTest::newRow("exponent") << q1 << "1.598e2" << none << "\"1.598e2\" is written with an exp";
    QTest::newRow("two numbers, or a thousands blank")
        << q1 << "159 160" << none << "\"159 160\" has a blank inside; type one";
    QTest::newRow("a range") << q1 << "159-160" << none << "\"159-160\" holds more than one";
    QTest::newRow("thousands blank") << q1 << "1 234" << none << "\"1 234\" has a blank inside";
    QTest::newRow("thousands comma, decimal point")
        << q1 << "1,234.5" << none << "\"1,234.5\" has more than one point or comma";
    QTest::newRow("thousands point, decimal comma")
        << q1 << "1.234,5" << none << "\"1.234,5\" has more than one point or comma";
    QTest::newRow("comma after three digits is ambiguous too")
        << q1 << "123,456" << none << "The comma in \"123,456\" could be a thousands";
    QTest::newRow("comma before three digits is ambiguous")
        << q1 << "1,234" << none << "The comma in \"1,234\" could be a thousands";
    QTest::newRow("a mass for an amount")
        << q1 << "136 mg" << none
        << "\"mg\" is not a unit of this answer, which takes mmol, mol, and \u00b5mol, or no "
           "unit.";
    QTest::newRow("an amount for a count")
        << q2 << "6 mmol" << none
        << "\"mmol\" is not a unit of this answer, which takes ATP, or no unit.";
    QTest::newRow("a small m is milli, not mega")
        << made << "12.1 mJ" << none
        << "\"mJ\" is not a unit of this answer, which takes kJ and MJ, or no unit.";
    QTest::newRow("too large") << q1 << "1000000000" << none << "\"1000000000\" is far too large";
    QTest::newRow("Arabic-Indic digits") << q1 << "١٥٩" << none << "\"١٥٩\" has digits other than";
}

void TestJudging::entries() {
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(QString, message);

    const AnswerField made{totalLactate, 1, "Energy", u"kJ", {}, {}, 0, nullptr, {}, nullptr};
    QString error;
    const std::optional<double> read =
        readEntry(text, field < 0 ? made : answerField(Field(field)), &error);
    if (message.isEmpty()) {
        QVERIFY2(read, qPrintable(error));
        QCOMPARE(*read, value);
        QVERIFY2(*read == value, "not the very double of the decimal"); // QCOMPARE is fuzzy
    } else {
        QVERIFY(!read);
        QVERIFY2(error.startsWith(message), qPrintable(error));
    }
}

void TestJudging::verdicts_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("said"); // the start of the verdict

    // A man of 72 kg, lactate 0.6 before and 12.3 just after the race: ecf
    // 14.4 L, fall 11.1 mmol/L, 159.8 mmol, 639 mmol ATP, 42.6 mmol, 3838 mg,
    // 2.86 L; 605 L a day, 12.6 L per 30 minutes, 22.6 %.
    const auto row = [](const char* tag, Field field, const char* entry, const char* said) {
        QTest::newRow(tag) << int(field) << QString::fromUtf8(entry) << QString::fromUtf8(said);
    };
    row("right", totalLactate, "159.8", "Correct.");
    row("1.9 % low is right", totalLactate, "156.7", "Correct.");
    row("2.1 % low is close", totalLactate, "156.5", "Close: within 5 %");
    row("4.5 % low is close", totalLactate, "152.609", "Close: within 5 %");
    row("5.5 % low is not yet", totalLactate, "151.011",
        "Not yet: extracellular fluid is 20 % of body weight; follow");
    row("whole body weight, 11.1 x 72", totalLactate, "799.2",
        "Not yet: you multiplied the fall by the whole body weight, 72 kg; the lactate is spread "
        "through the extracellular fluid only, 20 % of body weight.");
    row("0.9 % off the slip is the slip", totalLactate, "806.393",
        "Not yet: you multiplied the fall by the whole body weight");
    row("1.5 % off the slip is not", totalLactate, "811.188",
        "Not yet: extracellular fluid is 20 %");
    row("fall from before the race, 11.7 x 14.4", totalLactate, "168.48",
        "Not yet: you took the fall from 0.6 mmol/L, the level before the race; the lactate "
        "metabolised is the fall over the 30 minutes after it, to 1.2 mmol/L.");
    row("the fall alone", totalLactate, "11.1", "Not yet: that is the fall in concentration");
    row("all the lactate, 12.3 x 14.4", totalLactate, "177.12",
        "Not yet: that is all the lactate there was just after the race, at 12.3 mmol/L;");
    row("glucose without the GTP", glucoseCost, "4", "Not yet: the GTP is not counted");
    row("liver glycogen without the UTP", liverGlycogenCost, "6", "Not yet: the UTP is not");
    row("muscle glycogen for one lactate", muscleGlycogenCost, "4",
        "Not yet: that is the cost for one lactate; the question asks for 2 x lactate.");
    row("muscle glycogen with NADH", muscleGlycogenCost, "13", "Not yet: the NADH is not a cost");
    row("8 ATP per lactate, 159.8 x 8", atpNeeded, "1278.4",
        "Not yet: the 8 ATP are the cost for 2 lactate, and you took them for each lactate.");
    row("glucose's cost, 159.8 / 2 x 6", atpNeeded, "479.4",
        "Not yet: 6 ATP for 2 lactate is the cost of glucose;");
    row("18 ATP per lactate, 639 / 18", lactateOxidised, "35.5",
        "Not yet: that counts 3 ATP per NADH and 2 per FADH2, 18 per lactate; take 2.5 and 1.5, "
        "which give 15.");
    row("times 15, 639 x 15", lactateOxidised, "9585",
        "Not yet: you multiplied by the 15 ATP each lactate yields;");
    row("mg taken for g, 3838 x 0.746", extraOxygen, "2863.148",
        "Not yet: the mass is in mg: 3838 mg is to be divided by 1000 before it is multiplied by "
        "0.746 L per gram.");
    row("mmol taken for g, 42.6 x 0.746", extraOxygen, "31.78",
        "Not yet: the 0.746 L is for each gram, not each mmol: the molecular mass, 90.1, turns "
        "42.6 mmol into mg.");
    row("grams, 3838 / 1000", extraOxygen, "3.838",
        "Not yet: that is the mass of lactate in grams; each gram consumes 0.746 L of oxygen.");
    row("a whole day, 100 x 2.86 / 605", percentIncrease, "0.473",
        "Not yet: that compares with the oxygen of a whole day, 605 L; the question asks about 30 "
        "minutes, a day having 48 of them.");
    row("a fraction, 2.86 / 12.6", percentIncrease, "0.227",
        "Not yet: that is a fraction; a percentage is 100 times it.");
    row("an hour, 100 x 2.86 x 24 / 605", percentIncrease, "11.345",
        "Not yet: that compares with the oxygen of an hour, a day having 24 of them; the question "
        "asks about 30 minutes, a day having 48 of them.");
    row("far off, the question's facts", percentIncrease, "1",
        "Not yet: total energy expenditure is 12.1 MJ per day, and each litre of oxygen consumed "
        "yields 20 kJ.");
}

void TestJudging::verdicts() {
    QFETCH(int, field);
    QFETCH(QString, entry);
    QFETCH(QString, said);

    Practice practice(Subjects::make(0, 72, 0.6, 12.3));
    const FieldCheck check = enter(practice, Field(field), entry);
    QVERIFY2(check.message.startsWith(said), qPrintable(check.message));
}

// The known slips as a teacher reckons them for a subject, each sum written
// here, not taken from the judge's table: the field and what the slip gives.
using S = Scenario;
const std::pair<Field, double (*)(const S&)> reckoned[] = {
    {totalLactate,
     [](const S& s) {
         return double(s.weight) * s.lactatefall;
     }},
    {totalLactate,
     [](const S& s) {
         return double(s.ecf) * (s.lactateafter - s.lactatebefore);
     }},
    {totalLactate,
     [](const S& s) {
         return double(s.lactatefall);
     }},
    {totalLactate,
     [](const S& s) {
         return double(s.ecf) * s.lactateafter;
     }},
    {glucoseCost,
     [](const S&) {
         return 4.0;
     }}, // no GTP
    {liverGlycogenCost,
     [](const S&) {
         return 6.0;
     }}, // no UTP
    {muscleGlycogenCost,
     [](const S&) {
         return 7.0;
     }}, // no phosphorylation in muscle
    {glucoseCost,
     [](const S&) {
         return 3.0;
     }}, // for one lactate
    {liverGlycogenCost,
     [](const S&) {
         return 3.5;
     }},
    {muscleGlycogenCost,
     [](const S&) {
         return 4.0;
     }},
    {glucoseCost,
     [](const S&) {
         return 11.0;
     }}, // the NADH counted, 2 x 2.5
    {liverGlycogenCost,
     [](const S&) {
         return 12.0;
     }},
    {muscleGlycogenCost,
     [](const S&) {
         return 13.0;
     }},
    {atpNeeded,
     [](const S& s) {
         return s.totallactate * 8.0;
     }},
    {atpNeeded,
     [](const S& s) {
         return s.totallactate / 2.0 * 6;
     }},
    {atpNeeded,
     [](const S& s) {
         return s.totallactate / 2.0 * 7;
     }},
    {lactateOxidised,
     [](const S& s) {
         return s.atpneeded / 18.0;
     }}, // 3 per NADH, 2 per FADH2
    {lactateOxidised,
     [](const S& s) {
         return s.atpneeded / 12.5;
     }}, // lactate's NADH left out
    {lactateOxidised,
     [](const S& s) {
         return s.atpneeded / 10.0;
     }}, // the cycle alone
    {lactateOxidised,
     [](const S& s) {
         return s.atpneeded * 15.0;
     }},
    {extraOxygen,
     [](const S& s) {
         return s.massoxidised * 0.746;
     }},
    {extraOxygen,
     [](const S& s) {
         return s.lactateoxidised * 0.746;
     }},
    {extraOxygen,
     [](const S& s) {
         return s.massoxidised / 1000;
     }},
    {percentIncrease,
     [](const S& s) {
         return 100 * s.extraoxygen / s.oxygenperday;
     }},
    {percentIncrease,
     [](const S& s) {
         return s.extraoxygen / s.oxygenper30min;
     }},
    {percentIncrease,
     [](const S& s) {
         return 100 * s.extraoxygen * 24 / s.oxygenperday;
     }},
    {percentIncrease,
     [](const S& s) {
         return 100 * s.extraoxygen / (s.oxygenper30min + s.extraoxygen);
     }},
};

// Each field's right answer: the subject's number the worked answer prints,
// or question 2's count.
double rightAnswer(Field field, const S& s) {
    switch (field) {
    case totalLactate:
        return s.totallactate;
    case glucoseCost:
        return 6;
    case liverGlycogenCost:
        return 7;
    case muscleGlycogenCost:
        return 8;
    case atpNeeded:
        return s.atpneeded;
    case lactateOxidised:
        return s.lactateoxidised;
    case extraOxygen:
        return s.extraoxygen;
    case percentIncrease:
        return s.percentincrease;
    }
    return 0;
}

// Over every subject: each right answer is right, each known slip is told
// from the right answer, and a wrong earlier answer carried forward is
// recognised as such. What each verdict says is verdicts()'s.
void TestJudging::everySubject() {
    QCOMPARE(std::size(reckoned), slips().size());
    int slipIsRight = 0; // subjects and slips where the slip cannot be told from the answer
    Subjects::forEach([&](const Scenario& s) {
        const QByteArray who = QStringLiteral("%1 %2 kg %3-%4: ")
                                   .arg(s.sex ? u'W' : u'M')
                                   .arg(s.weight)
                                   .arg(s.lactatebefore)
                                   .arg(s.lactateafter)
                                   .toLatin1();
        for (const AnswerField& field : answerFields()) {
            Practice practice(s);
            const FieldCheck check =
                enter(practice, field.field, typed(rightAnswer(field.field, s)));
            QVERIFY2(check.verdict == Verdict::correct, who + check.message.toUtf8());
        }
        for (const auto& [field, slip] : reckoned) {
            Practice practice(s);
            const double value = slip(s);
            const FieldCheck check = enter(practice, field, typed(value));
            if (!answerField(field).exact() &&
                within(value, rightAnswer(field, s), Judge::rightWithin)) {
                ++slipIsRight;
                QVERIFY2(check.verdict == Verdict::correct, who + check.message.toUtf8());
            } else {
                QVERIFY2(check.verdict == Verdict::slip, who + check.message.toUtf8());
            }
        }
        for (const Chain& chain : chains) {
            const AnswerField& earlier = answerField(chain.earlier);
            const double later = rightAnswer(chain.later, s);
            Practice practice(s);
            enter(practice, chain.earlier, typed(rightAnswer(chain.earlier, s) * chain.factor));
            const FieldCheck carried = enter(practice, chain.later, typed(later * chain.factor));
            QVERIFY2(carried.verdict == Verdict::carriedForward, who + carried.message.toUtf8());
            QVERIFY2(
                carried.message.contains(QStringLiteral("question %1 (").arg(earlier.question)),
                who + carried.message.toUtf8());
            if (earlier.exact())
                continue;

            // An earlier answer within 2 % counts as right, so nothing is carried from it.
            Practice fromRight(s);
            enter(fromRight, chain.earlier, typed(rightAnswer(chain.earlier, s) * 1.019));
            const FieldCheck close = enter(fromRight, chain.later, typed(later * 1.035));
            QVERIFY2(close.verdict == Verdict::close, who + close.message.toUtf8());
        }
    });
    // No known slip comes within 2 % of the right answer for any subject.
    QCOMPARE(slipIsRight, 0);
}

void TestJudging::practiceRecord() {
    const Scenario s = Subjects::make(0, 72, 0.6, 12.3); // 159.8 mmol, 639 mmol ATP, ...
    Practice practice(s);
    const FieldCheck unreadable = enter(practice, totalLactate, "150 mg");
    QVERIFY(!unreadable.verdict);
    QVERIFY(!practice.latest[size_t(totalLactate)]);

    QVERIFY(enter(practice, totalLactate, "150").message.startsWith("Not yet: extracellular"));
    QCOMPARE(enter(practice, totalLactate, "159.8").verdict, Verdict::correct);

    const QList<FieldCheck> q2 = practice.check(2, {"6", " ", "7"});
    QCOMPARE(q2.size(), 3);
    QCOMPARE(q2[0].verdict, Verdict::correct);
    QVERIFY(!q2[1].verdict && q2[1].message.isEmpty());
    QCOMPARE(q2[2].verdict, Verdict::slip);

    // 159.8 / 2 x 7 both follows from the wrong count and is a known slip: the slip wins.
    QVERIFY(enter(practice, atpNeeded, "559.3").message.startsWith("Not yet: 7 ATP for 2"));

    enter(practice, totalLactate, "150");
    enter(practice, muscleGlycogenCost, "9");
    QCOMPARE(enter(practice, atpNeeded, "675").message,
             "Carried forward: your method is right; the difference comes from your answers to "
             "questions 1 (150 mmol) and 2 (9 ATP).");
    QCOMPARE(enter(practice, lactateOxidised, "45").message,
             "Carried forward: your method is right; the difference comes from your answer to "
             "question 3 (675 mmol).");
    QVERIFY(enter(practice, extraOxygen, "2.93").message.startsWith("Close: "));

    Practice fresh(s);
    QCOMPARE(enter(fresh, percentIncrease, "1").message,
             "Not yet: total energy expenditure is 12.1 MJ per day, and each litre of oxygen "
             "consumed yields 20 kJ.");

    // Below zero, and said so where the number would be right but for its sign.
    const QString sign = "Not yet: only the sign is wrong; the amount is positive.";
    QCOMPARE(enter(fresh, totalLactate, "-0.1598 mol").message, sign);
    QCOMPARE(enter(fresh, glucoseCost, "\u22126").message, sign);
    QCOMPARE(enter(fresh, totalLactate, "-150").message, "Not yet: the amount is positive.");
    QCOMPARE(enter(fresh, totalLactate, "-0").verdict, Verdict::notYet); // not below zero
}

QTEST_APPLESS_MAIN(TestJudging)
#include "tst_judging.moc"
