#include "judging/attemptsummary.h"
#include "judging/collation.h"
#include "judging/recordfolder.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

using enum Field;

// A record as the program writes one, typed by hand; the first check unreadable.
const QByteArray written = R"({
    "format": "korvanel practice record",
    "version": 1,
    "program": "Korvanel",
    "programVersion": "1.00",
    "code": "M72-0.6-12.3",
    "started": "2026-12-08T17:41:23.512Z",
    "updated": "2026-12-08T17:52:05.004Z",
    "stage": 3,
    "checks": [
        {"time": "2026-12-08T17:45:00.100Z", "question": 1, "field": "totalLactate", "entry": "150 mg", "value": null, "verdict": null},
        {"time": "2026-12-08T17:46:10.250Z", "question": 1, "field": "totalLactate", "entry": "159,8", "value": 159.8, "verdict": "correct"},
        {"time": "2026-12-08T17:50:00.000Z", "question": 2, "field": "glucoseCost", "entry": "4", "value": 4, "verdict": "slip"}
    ]
}
)";

QDateTime utc(const char* text) {
    return QDateTime::fromString(QString::fromLatin1(text), Qt::ISODateWithMs);
}

// What `written` holds.
Attempt writtenAttempt() {
    Attempt attempt(*SubjectCode::parse(u"M72-0.6-12.3"), utc("2026-12-08T17:41:23.512Z"));
    attempt.updated = utc("2026-12-08T17:52:05.004Z");
    attempt.stage = 3;
    attempt.checks = {
        {utc("2026-12-08T17:45:00.100Z"), 1, totalLactate, "150 mg", {}, {}},
        {utc("2026-12-08T17:46:10.250Z"), 1, totalLactate, "159,8", 159.8, Verdict::correct},
        {utc("2026-12-08T17:50:00.000Z"), 2, glucoseCost, "4", 4.0, Verdict::slip}};
    return attempt;
}

QByteArray changed(const QByteArray& from, const QByteArray& to) {
    return QByteArray(written).replace(from, to);
}

bool put(const QString& fileName, const QByteArray& data) {
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

} // namespace

class TestRecord : public QObject {
    Q_OBJECT

private slots:
    void record();
    void damage_data();
    void damage();
    void folder();
    void save();
    void summary_data();
    void summary();
};

void TestRecord::record() {
    QCOMPARE(Attempt::fromJson(written), writtenAttempt());
    QCOMPARE(writtenAttempt().toJson(), written);
    QCOMPARE(writtenAttempt().fileName(), "M72-0.6-12.3 2026-12-08T174123.512Z.json");

    // What JSON escapes, a double that prints long, a time given in another zone.
    Attempt odd(*SubjectCode::parse(u"w84-0.8-13.9"), utc("2026-03-29T00:59:59.999+02:00"));
    odd.stage = 12;
    odd.checks = {{odd.started, 6, percentIncrease, "\"1\"\\\n\t\x01\u00b5mol \u2212 \U0001F600",
                   0.1 + 0.2, Verdict::close}};
    QCOMPARE(Attempt::fromJson(odd.toJson()), odd); // 0.30000000000000004, not 0.3
    QCOMPARE(odd.fileName(), "W84-0.8-13.9 2026-03-28T225959.999Z.json");

    // The class's table is read back by Python's csv module (tst_collate), where nothing
    // needs quotes.
    QCOMPARE(csvLine({"", "a,b", "say \"6\"", "a\nb", "a\rb", " \u00b5 "}),
             ",\"a,b\",\"say \"\"6\"\"\",\"a\nb\",\"a\rb\", \xc2\xb5 \r\n");
}

void TestRecord::damage_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("message"); // its start
    const auto row = [](const char* name, const QByteArray& data, const char* message) {
        QTest::newRow(name) << data << QString::fromUtf8(message);
    };
    // Each member, of the record and of check 3, made a list.
    int k = 0;
    for (const QByteArray member : {"code", "started", "updated", "stage", "time", "question",
                                    "field", "entry", "value", "verdict"}) {
        QByteArray data = written;
        const qsizetype start = data.lastIndexOf('"' + member + "\": ") + member.size() + 4;
        qsizetype end = start;
        while (data[end] != ',' && data[end] != '}')
            ++end;
        QTest::newRow(member)
            << data.replace(start, end - start, "[]")
            << QString::fromUtf8((k++ < 4 ? "In the record, \"" : "In check 3, \"") + member + '"');
    }
    row("empty file", "\n \r\n", "It is empty.");
    row("cut short", written.left(400), "It is cut short: its JSON ends unfinished (unterminated");
    row("a foreign object", R"({"version": 1})", "It is not a Korvanel practice record.");
    row("an array at the top", "[" + written + "]", "It is not a Korvanel practice record.");
    row("a newer version", changed(": 1,", ": 2,"), "It was written by a newer Korvanel (record");
    row("code not a code", changed("12.3", "14.0"), "The record's code \"M72-0.6-14.0\" is not a");
    row("start no time", changed("08T17:41", "32T17:41"), "In the record, \"started\" is \"2026-");
    row("unknown field", changed("glucoseCost", "glucose"),
        "In check 3, \"field\" is \"glucose\",");
    row("field not its question", changed(": 2, \"field\"", ": 3, \"field\""), "In check 3, the");
    row("past a double", changed(": 4,", ": 4e999,"), "It is not JSON: illegal number at byte");
    row("too many checks", changed("[", "[" + QByteArray("{},").repeated(20000)),
        "The record has 20003 checks, more than any attempt could (20000 at most).");
    row("over 8 MB", QByteArray(9'500'000, ' '),
        "It is too large for a practice record: 9.5 MB, where a record takes at most 8 MB.");
    row("nested 100,000 deep", changed("\"4\"", QByteArray(100'000, '[')),
        "It is not JSON: too deeply nested document at byte");
}

void TestRecord::damage() {
    QFETCH(QByteArray, data);
    QFETCH(QString, message);
    QString error;
    QVERIFY(!Attempt::fromJson(data, &error));
    QVERIFY2(error.startsWith(message) && !error.contains('\n'), qPrintable(error));
}

// Damaged files are passed over, named and left as they are. The attempt to go on
// with is the code's unfinished one last updated, neither the first nor the last begun.
void TestRecord::folder() {
    QTemporaryDir dir;
    // Name, hour begun, hour updated, stage.
    for (const QByteArray record : {"a 20 22 12", "b 19 19 7", "c 18 21 5"}) {
        const QList<QByteArray> v = record.split(' ');
        QVERIFY(put(dir.filePath(v[0] + ".json"), changed("17:41", v[1] + ":41")
                                                      .replace("17:52", v[2] + ":52")
                                                      .replace(": 3,", ": " + v[3] + ',')));
    }
    QVERIFY(put(dir.filePath("d.json"), written)); // e, of another code, is updated last
    QVERIFY(put(dir.filePath("e.json"), changed("M72", "W72").replace("17:52", "23:52")));
    QVERIFY(put(dir.filePath("cut.json"), written.left(300)));
    QFile huge(dir.filePath("huge.json"));
    QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(9'500'000)); // sparse, not read
    huge.close();

    for (const char* name : {"cut", "huge", "cut", "huge"})
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QString("skipped, ") + name));
    const RecordFolder::Loaded loaded = RecordFolder(dir.path()).load();
    QCOMPARE(loaded.problems.join(u'|'),
             "cut.json: It is cut short: its JSON ends unfinished "
             "(unterminated string).|huge.json: It is too large for a "
             "practice record: 9.5 MB, where a record takes at most 8 MB.");
    QCOMPARE(loaded.attempts.size(), 5);
    QCOMPARE(loaded.attempts.back().stage, 12); // begun last
    QCOMPARE(RecordFolder(dir.path()).unfinished(*SubjectCode::parse(u"M72-0.6-12.3"))->stage, 5);
    QVERIFY(!RecordFolder(dir.filePath("none")).unfinished(*SubjectCode::parse(u"M72-0.6-12.3")));
    QCOMPARE(QFileInfo(dir.filePath("cut.json")).size(), 300);
}

// A save replaces the attempt's file whole; one that fails says why and
// where, at every try, and leaves what stood.
void TestRecord::save() {
    QTemporaryDir dir;
    const RecordFolder folder(dir.filePath("share/practice"));
    Attempt attempt = writtenAttempt();
    attempt.stage = 1;
    QString error;
    QVERIFY(folder.save(attempt) && folder.save(attempt = writtenAttempt()));
    attempt.checks[1].value.reset(); // a verdict without a value would not read back
    QVERIFY(!folder.save(attempt, &error));
    QCOMPARE(error, "Cannot save the practice record " +
                        QDir::toNativeSeparators(folder.filePath(attempt)) +
                        ": Check 2 of the attempt is not one a record holds.");
    QCOMPARE(folder.load().attempts, QList<Attempt>{writtenAttempt()});

    // No permission stops root; a plain file where the folder goes stops anyone.
    const RecordFolder underFile(folder.filePath(attempt) + "/x");
    for (int again = 0; again < 2; ++again) {
        QVERIFY(!underFile.save(writtenAttempt(), &error));
        QCOMPARE(error, "Cannot save the practice record " +
                            QDir::toNativeSeparators(underFile.filePath(attempt)) +
                            ": The folder " + QDir::toNativeSeparators(underFile.path()) +
                            " cannot be made.");
    }
    QCOMPARE(QDir(folder.path()).count(), 3u); // ".", "..", the record
}

// Checks are written short, a field's place in Field and a verdict: "4f"
// the ATP needed carried forward, "0?" an unreadable total lactate. What
// they come to: where each field's first and last verdict are in them, then
// each question, R right at the first try, c checked but not so, - not.
void TestRecord::summary_data() {
    QTest::addColumn<QString>("checks");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("unreadable is no try") << "0? 0n 0c 6? 6?"
                                          << "12 - - - - - - - c-----";
    QTest::newRow("a field left out") << "1c 3c 7c 7n"
                                      << "- 00 - 11 - - - 23 -c---R";
    QTest::newRow("every verdict") << "0c 1c 2s 3c 2c 4f 5l 5c"
                                   << "00 11 24 33 55 67 - - Rccc--";
}

void TestRecord::summary() {
    QFETCH(QString, checks);
    QFETCH(QString, outcome);
    Attempt attempt(*SubjectCode::parse(u"M72-0.6-12.3"));
    for (const QString& item : checks.split(' ')) {
        const Field field = Field(item[0].digitValue());
        const qsizetype verdict = QStringLiteral("csfln").indexOf(item[1]); // as in Verdict
        attempt.checks.append({attempt.started, answerField(field).question, field,
                               QString::number(attempt.checks.size()), 1.5, Verdict(verdict)});
        if (verdict < 0)
            attempt.checks.back().value.reset(), attempt.checks.back().verdict.reset();
    }
    const AttemptSummary summary = summarize(attempt);
    QStringList places;
    QString right;
    for (const QuestionOutcome& question : summary.questions) {
        right += question.rightAtFirstTry ? 'R' : question.checked ? 'c' : '-';
        for (const FieldOutcome& f : question.fields)
            places.append(f.first ? f.first->entry + f.last->entry : QStringLiteral("-"));
    }
    QCOMPARE(places.join(' ') + ' ' + right, outcome);
    QCOMPARE(summary.score, right.count('R'));
}

QTEST_APPLESS_MAIN(TestRecord)
#include "tst_record.moc"
