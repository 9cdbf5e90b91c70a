#include "judging/attempt.h"
#include "judging/attemptsummary.h"
#include "judging/collation.h"
#include "judging/recordfolder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

using enum Field;

// A record as the program writes one, typed out by hand: three checks of
// subject M72-0.6-12.3, the first unreadable.
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
})";

QDateTime utc(const char* text) {
    return QDateTime::fromString(QString::fromLatin1(text), Qt::ISODateWithMs);
}

SubjectCode code(const char* text) {
    return *SubjectCode::parse(QString::fromLatin1(text));
}

// What `written` holds.
Attempt writtenAttempt() {
    Attempt attempt(code("M72-0.6-12.3"), utc("2026-12-08T17:41:23.512Z"));
    attempt.updated = utc("2026-12-08T17:52:05.004Z");
    attempt.stage = 3;
    attempt.checks = {
        {utc("2026-12-08T17:45:00.100Z"), 1, totalLactate, "150 mg", {}, {}},
        {utc("2026-12-08T17:46:10.250Z"), 1, totalLactate, "159,8", 159.8, Verdict::correct},
        {utc("2026-12-08T17:50:00.000Z"), 2, glucoseCost, "4", 4.0, Verdict::slip},
    };
    return attempt;
}

// `written` with one piece of it changed, which must be there.
QByteArray changed(const char* from, const char* to) {
    QByteArray data = written;
    if (!data.contains(from))
        qFatal("The record has no %s", from);
    return data.replace(from, to);
}

QByteArray contents(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(cannot be read)");
}

bool put(const QString& fileName, const QByteArray& data) {
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

// Every name in a folder with the contents of its files, to see that nothing changed.
QMap<QString, QByteArray> snapshot(const QString& path) {
    QMap<QString, QByteArray> files;
    const QDir dir(path);
    for (const QString& name :
         dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        files.insert(name, contents(dir.filePath(name)));
    return files;
}

// A record of `written` for another subject, start and update.
QByteArray record(const char* subject, const char* started, const char* updated, int stage) {
    return changed("M72-0.6-12.3", subject)
        .replace("2026-12-08T17:41:23.512Z", started)
        .replace("2026-12-08T17:52:05.004Z", updated)
        .replace("\"stage\": 3", "\"stage\": " + QByteArray::number(stage));
}

// Checks written short for the tables: "atp close" is a check of the ATP
// needed judged Close, "lactate ?" an unreadable entry of the total lactate.
QList<CheckEntry> checksOf(const QStringList& list) {
    const QMap<QString, Field> fields = {
        {"lactate", totalLactate},      {"glucose", glucoseCost},    {"liver", liverGlycogenCost},
        {"muscle", muscleGlycogenCost}, {"atp", atpNeeded},          {"oxidised", lactateOxidised},
        {"oxygen", extraOxygen},        {"percent", percentIncrease}};
    const QMap<QString, Verdict> verdicts = {{"correct", Verdict::correct},
                                             {"slip", Verdict::slip},
                                             {"carried", Verdict::carriedForward},
                                             {"close", Verdict::close},
                                             {"notYet", Verdict::notYet}};
    QList<CheckEntry> checks;
    for (const QString& item : list) {
        const Field field = fields.value(item.section(' ', 0, 0));
        const QString verdict = item.section(' ', 1);
        CheckEntry check{utc("2026-12-08T17:00:00.000Z").addSecs(checks.size()),
                         answerField(field).question,
                         field,
                         item,
                         1.0,
                         verdicts.value(verdict)};
        if (verdict == "?") {
            check.value.reset();
            check.verdict.reset();
        }
        checks.append(check);
    }
    return checks;
}

} // namespace

class TestRecord : public QObject {
    Q_OBJECT

private slots:
    void readsWhatIsWritten();
    void roundTrip();
    void fileName();
    void damage_data();
    void damage();
    void longestRecordReads();
    void folderSkipsWhatIsNoRecord();
    void folderThatIsNoFolder();
    void unfinished();
    void saveReplacesTheRecord();
    void saveIntoFolderThatCannotBe();
    void saveWhereTheNameIsTaken();
    void faultyAttemptNotSaved_data();
    void faultyAttemptNotSaved();
    void defaultPath();
    void summary_data();
    void summary();
    void csvLine_data();
    void csvLine();
    void collation();
};

void TestRecord::readsWhatIsWritten() {
    QString error;
    const std::optional<Attempt> read = Attempt::fromJson(written, &error);
    QVERIFY2(read, qPrintable(error));
    QCOMPARE(*read, writtenAttempt());
    QVERIFY(!read->finished());
    QVERIFY(!read->fault());
    QCOMPARE(read->toJson(), written + '\n'); // laid out as typed above, a check a line

    // Written back, member by member as typed above.
    const QJsonObject json = QJsonDocument::fromJson(read->toJson()).object();
    QCOMPARE(json.value("format").toString(), "korvanel practice record");
    QCOMPARE(json.value("version").toInt(), 1);
    QCOMPARE(json.value("program").toString(), "Korvanel");
    QCOMPARE(json.value("code").toString(), "M72-0.6-12.3");
    QCOMPARE(json.value("started").toString(), "2026-12-08T17:41:23.512Z");
    QCOMPARE(json.value("updated").toString(), "2026-12-08T17:52:05.004Z");
    QCOMPARE(json.value("stage").toInt(), 3);
    const QJsonArray checks = json.value("checks").toArray();
    QCOMPARE(checks.size(), 3);
    QCOMPARE(checks[0].toObject().value("time").toString(), "2026-12-08T17:45:00.100Z");
    QCOMPARE(checks[0].toObject().value("entry").toString(), "150 mg");
    QVERIFY(checks[0].toObject().value("value").isNull());
    QVERIFY(checks[0].toObject().value("verdict").isNull());
    QCOMPARE(checks[1].toObject().value("value").toDouble(), 159.8);
    QCOMPARE(checks[1].toObject().value("verdict").toString(), "correct");
    QCOMPARE(checks[2].toObject().value("question").toInt(), 2);
    QCOMPARE(checks[2].toObject().value("field").toString(), "glucoseCost");
    QCOMPARE(checks[2].toObject().value("verdict").toString(), "slip");
}

// Every field and verdict, values that print long, entries with what JSON
// escapes, and times in another zone, read back as they were.
void TestRecord::roundTrip() {
    Attempt attempt(code("w84-0.8-13.9"), utc("2026-03-29T00:59:59.999+02:00"));
    attempt.updated = utc("2027-01-01T00:00:00.001Z");
    attempt.stage = 12;
    const Verdict verdicts[] = {Verdict::correct, Verdict::slip, Verdict::carriedForward,
                                Verdict::close, Verdict::notYet};
    int k = 0;
    for (const AnswerField& field : answerFields()) {
        attempt.checks.append({attempt.started.addMSecs(k * 1001), field.question, field.field,
                               QStringLiteral("\"%1\"\\\n\t\x01\u00b5mol \u2212 \U0001F600").arg(k),
                               0.1 + 0.2 * k, verdicts[k % 5]});
        attempt.checks.append(
            {attempt.started.addSecs(k), field.question, field.field, "", {}, {}});
        ++k;
    }
    attempt.checks.append(
        {utc("2026-12-08T17:45:00Z"), 5, extraOxygen, "-0", -0.0, Verdict::notYet});

    QString error;
    const std::optional<Attempt> read = Attempt::fromJson(attempt.toJson(), &error);
    QVERIFY2(read, qPrintable(error));
    QCOMPARE(*read, attempt);
    QVERIFY(read->finished());
    QCOMPARE(read->started.timeSpec(), Qt::UTC);
    QCOMPARE(read->checks[2].value, 0.30000000000000004); // the double itself, not "0.3"
}

void TestRecord::fileName() {
    QCOMPARE(writtenAttempt().fileName(), "M72-0.6-12.3 2026-12-08T174123.512Z.json");
    const Attempt local(code("W60-0.4-10.0"), utc("2026-12-08T23:11:23.000+05:30"));
    QCOMPARE(local.fileName(), "W60-0.4-10.0 2026-12-08T174123.000Z.json");
}

void TestRecord::damage_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("message"); // its start

    QTest::newRow("empty file") << QByteArray() << "It is empty.";
    QTest::newRow("blank lines") << QByteArray("\n \r\n") << "It is empty.";
    QTest::newRow("cut short in a check")
        << written.left(written.indexOf("\"verdict\": \"correct\""))
        << "It is cut short: its JSON ends unfinished";
    QTest::newRow("cut short in a string")
        << written.left(written.indexOf("Korvanel") + 3) << "It is cut short";
    QTest::newRow("last brace lost") << written.chopped(1) << "It is cut short";
    QTest::newRow("not JSON") << QByteArray("M72-0.6-12.3 Correct Correct") << "It is not JSON: ";
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10) << "It is not JSON: ";
    QTest::newRow("more after the record")
        << written + "\n{}"
        << "It is not JSON: garbage at the end of the document at byte";
    QTest::newRow("a foreign JSON object") << QByteArray(R"({"name": "korvanel", "version": 1})")
                                           << "It is not a Korvanel practice record.";
    QTest::newRow("an array at the top") << "[" + written + "]"
                                         << "It is not a Korvanel practice record.";
    QTest::newRow("another format")
        << changed("practice record", "class list") << "It is not a Korvanel practice record.";
    QTest::newRow("a newer version")
        << changed("\"version\": 1", "\"version\": 2")
        << "It was written by a newer Korvanel (record version 2; this one reads version 1).";
    QTest::newRow("version as text")
        << changed("\"version\": 1", "\"version\": \"1\"") << "The record has no version number.";
    QTest::newRow("version zero") << changed("\"version\": 1", "\"version\": 0")
                                  << "The record has no version number.";
    QTest::newRow("code missing") << changed("\"code\"", "\"Code\"")
                                  << "In the record, \"code\" is missing.";
    QTest::newRow("code as a number")
        << changed("\"M72-0.6-12.3\"", "72") << "In the record, \"code\" is not text.";
    QTest::newRow("code that is not a code")
        << changed("M72-0.6-12.3", "X72-0.6-12.3")
        << "The record's code \"X72-0.6-12.3\" is not a subject code: The code starts with \"X\"";
    QTest::newRow("code out of range") << changed("M72-0.6-12.3", "M72-0.6-14.0")
                                       << "The record's code \"M72-0.6-14.0\" is not a subject";
    QTest::newRow("start that is no time")
        << changed("2026-12-08T17:41:23.512Z", "2026-12-32T17:41:23.512Z")
        << "In the record, \"started\" is \"2026-12-32T17:41:23.512Z\", which is not a date and "
           "time.";
    QTest::newRow("update as a number") << changed("\"2026-12-08T17:52:05.004Z\"", "1765215125")
                                        << "In the record, \"updated\" is not text.";
    QTest::newRow("stage past the end") << changed("\"stage\": 3", "\"stage\": 13")
                                        << "In the record, \"stage\" is not a whole number from "
                                           "0 to 12.";
    QTest::newRow("stage below zero")
        << changed("\"stage\": 3", "\"stage\": -1") << "In the record, \"stage\" is not a whole";
    QTest::newRow("stage in between")
        << changed("\"stage\": 3", "\"stage\": 3.5") << "In the record, \"stage\" is not a whole";
    QTest::newRow("stage as text")
        << changed("\"stage\": 3", "\"stage\": \"3\"") << "In the record, \"stage\" is not a whole";
    QTest::newRow("stage as null")
        << changed("\"stage\": 3", "\"stage\": null") << "In the record, \"stage\" is missing.";
    QTest::newRow("checks as an object") << changed("\"checks\": [", "\"checks\": {\"a\": [") + "}"
                                         << "In the record, \"checks\" is not a list.";
    QTest::newRow("a check as a number") << changed("{\"time\": \"2026-12-08T17:50:00.000Z\"",
                                                    "3, {\"time\": \"2026-12-08T17:50:00.000Z\"")
                                         << "Check 3 is not an object.";
    QTest::newRow("check time missing")
        << changed("\"time\": \"2026-12-08T17:50:00.000Z\"", "\"when\": \"now\"")
        << "In check 3, \"time\" is missing.";
    QTest::newRow("check time that is no time")
        << changed("2026-12-08T17:50:00.000Z", "2026-12-08T25:50:00.000Z")
        << "In check 3, \"time\" is \"2026-12-08T25:50:00.000Z\", which is not a date and time.";
    QTest::newRow("question as text")
        << changed("\"question\": 2", "\"question\": \"2\"")
        << "In check 3, \"question\" is not a whole number from 1 to 6.";
    QTest::newRow("question 7") << changed("\"question\": 2", "\"question\": 7")
                                << "In check 3, \"question\" is not a whole number from 1 to 6.";
    QTest::newRow("field as a number")
        << changed("\"glucoseCost\"", "1") << "In check 3, \"field\" is not text.";
    QTest::newRow("unknown field")
        << changed("glucoseCost", "glucoseCosts")
        << "In check 3, \"field\" is \"glucoseCosts\", which is not an answer field.";
    QTest::newRow("field not of its question")
        << changed("\"question\": 2, \"field\": \"glucoseCost\"",
                   "\"question\": 3, \"field\": \"glucoseCost\"")
        << "In check 3, the field glucoseCost is of question 2, not 3.";
    QTest::newRow("entry as a number")
        << changed("\"entry\": \"4\"", "\"entry\": 4") << "In check 3, \"entry\" is not text.";
    QTest::newRow("entry missing")
        << changed("\"entry\": \"4\", ", "") << "In check 3, \"entry\" is missing.";
    QTest::newRow("value as text") << changed("\"value\": 4", "\"value\": \"4\"")
                                   << "In check 3, \"value\" is not a finite number.";
    QTest::newRow("value missing, not null")
        << changed("\"value\": 4, ", "") << "In check 3, \"value\" is missing.";
    // Qt's parser refuses a number past a double's range, as it must: JSON has no infinity.
    QTest::newRow("value past a double's range")
        << changed("\"value\": 4", "\"value\": 4e999") << "It is not JSON: illegal number at byte";
    QTest::newRow("unknown verdict")
        << changed("\"slip\"", "\"great\"")
        << "In check 3, \"verdict\" is not one of correct, slip, carriedForward, close or notYet.";
    QTest::newRow("verdict in words")
        << changed("\"slip\"", "\"Not yet\"") << "In check 3, \"verdict\" is not one of";
    QTest::newRow("verdict without a value")
        << changed("\"value\": null, \"verdict\": null", "\"value\": null, \"verdict\": \"close\"")
        << "In check 1, a value and a verdict go together, and one is missing.";
    QTest::newRow("value without a verdict")
        << changed("\"value\": null, \"verdict\": null", "\"value\": 150, \"verdict\": null")
        << "In check 1, a value and a verdict go together, and one is missing.";

    QByteArray many = changed("\"checks\": [", "\"checks\": [" + QByteArray("{},").repeated(20000));
    QTest::newRow("more checks than anyone makes")
        << many << "The record has 20003 checks, more than any attempt could (20000 at most).";
    QTest::newRow("over 8 MB")
        << QByteArray(9'500'000, ' ')
        << "It is too large for a practice record: 9.5 MB, where a record takes at most 8 MB.";
    QTest::newRow("nested 100,000 deep")
        << QByteArray(100'000, '[') << "It is not JSON: too deeply nested document at byte";
    QTest::newRow("nested deep in a check")
        << changed("\"entry\": \"4\"", "\"entry\": " + QByteArray(100'000, '['))
        << "It is not JSON: too deeply nested document at byte";
}

void TestRecord::damage() {
    QFETCH(QByteArray, data);
    QFETCH(QString, message);
    QString error;
    const std::optional<Attempt> read = Attempt::fromJson(data, &error);
    QVERIFY(!read);
    QVERIFY2(error.startsWith(message), qPrintable(error));
    QVERIFY(!error.contains(u'\n'));
}

// The two caps agree: an attempt of the most checks, each typed at the
// length a field holds, is written within the largest file and read back.
void TestRecord::longestRecordReads() {
    Attempt attempt = writtenAttempt();
    const CheckEntry longest{utc("2026-12-08T17:46:10.250Z"),
                             4,
                             lactateOxidised,
                             QString(32, u'9'),
                             -1.2345678901234567e-300,
                             Verdict::carriedForward};
    attempt.checks = QList<CheckEntry>(Attempt::mostChecks, longest);
    const QByteArray json = attempt.toJson();
    QVERIFY2(json.size() <= Attempt::largestFile, QByteArray::number(json.size()));
    QString error;
    const std::optional<Attempt> read = Attempt::fromJson(json, &error);
    QVERIFY2(read, qPrintable(error));
    QCOMPARE(read->checks.size(), Attempt::mostChecks);
}

void TestRecord::folderSkipsWhatIsNoRecord() {
    QTemporaryDir dir;
    // Named so that name order is not start order.
    QVERIFY(put(dir.filePath("a.json"), record("W60-0.4-10.0", "2026-12-09T08:00:00.000Z",
                                               "2026-12-09T08:30:00.000Z", 12)));
    QVERIFY(put(dir.filePath("b.json"), written));
    QVERIFY(put(dir.filePath("c.JSON.json"),
                record("M84-0.8-13.9", "2026-12-01T12:00:00.000Z", "2026-12-01T12:00:00.000Z", 0)));
    QVERIFY(put(dir.filePath("cut.json"), written.left(300)));
    QVERIFY(put(dir.filePath("foreign.json"), R"({"dependencies": {}})"));
    QVERIFY(put(dir.filePath("empty.json"), ""));
    QFile huge(dir.filePath("huge.json"));
    QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(9'500'000)); // sparse, quick
    huge.close();
    QVERIFY(put(dir.filePath("notes.txt"), "not a record, and not read"));
    QVERIFY(QDir(dir.path()).mkdir("folder.json"));
    const auto before = snapshot(dir.path());

    for (const char* name : {"cut", "empty", "foreign", "huge"})
        QTest::ignoreMessage(
            QtWarningMsg,
            QRegularExpression(
                QStringLiteral("^Practice record skipped, %1.json: ").arg(QLatin1String(name))));
    const RecordFolder::Loaded loaded = RecordFolder(dir.path()).load();
    QCOMPARE(loaded.problems,
             (QStringList{"cut.json: It is cut short: its JSON ends unfinished (unterminated "
                          "string).",
                          "empty.json: It is empty.",
                          "foreign.json: It is not a Korvanel practice record.",
                          "huge.json: It is too large for a practice record: 9.5 MB, where a "
                          "record takes at most 8 MB."}));
    QCOMPARE(loaded.attempts.size(), 3);
    QCOMPARE(loaded.attempts[0].code, code("M84-0.8-13.9"));
    QCOMPARE(loaded.attempts[1], writtenAttempt());
    QCOMPARE(loaded.attempts[2].code, code("W60-0.4-10.0"));
    QCOMPARE(snapshot(dir.path()), before);

    QVERIFY(RecordFolder(dir.filePath("not yet made")).load().attempts.isEmpty());
    QVERIFY(RecordFolder(dir.filePath("not yet made")).load().problems.isEmpty());
}

void TestRecord::folderThatIsNoFolder() {
    QTemporaryDir dir;
    QVERIFY(put(dir.filePath("practice"), written));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Practice records not read, "));
    const RecordFolder::Loaded loaded = RecordFolder(dir.filePath("practice")).load();
    QVERIFY(loaded.attempts.isEmpty());
    QCOMPARE(loaded.problems, QStringList{dir.filePath("practice") + ": It is not a folder."});
}

// The latest update wins, not the latest start; finished ones and other
// subjects do not count.
void TestRecord::unfinished() {
    QTemporaryDir dir;
    const char* subject = "M72-0.6-12.3";
    QVERIFY(put(dir.filePath("1.json"),
                record(subject, "2026-12-01T10:00:00.000Z", "2026-12-03T10:00:00.000Z", 5)));
    QVERIFY(put(dir.filePath("2.json"),
                record(subject, "2026-12-02T10:00:00.000Z", "2026-12-02T11:00:00.000Z", 7)));
    QVERIFY(put(dir.filePath("3.json"),
                record(subject, "2026-12-04T10:00:00.000Z", "2026-12-04T11:00:00.000Z", 12)));
    QVERIFY(put(dir.filePath("4.json"),
                record("M72-0.6-12.4", "2026-12-05T10:00:00.000Z", "2026-12-05T11:00:00.000Z", 1)));
    const RecordFolder folder(dir.path());

    const std::optional<Attempt> latest = folder.unfinished(code(subject));
    QVERIFY(latest);
    QCOMPARE(latest->started, utc("2026-12-01T10:00:00.000Z"));
    QCOMPARE(latest->stage, 5);
    QCOMPARE(folder.unfinished(code("M72-0.6-12.4"))->stage, 1);
    QVERIFY(!folder.unfinished(code("W72-0.6-12.3")));
    QVERIFY(!RecordFolder(dir.filePath("none")).unfinished(code(subject)));
}

// Saved after every check: one file an attempt, the last save whole.
void TestRecord::saveReplacesTheRecord() {
    QTemporaryDir dir;
    const RecordFolder folder(dir.filePath("share/Korvanel/practice"));
    Attempt attempt = writtenAttempt();
    QString error;
    QVERIFY2(folder.save(attempt, &error), qPrintable(error));
    attempt.checks.append(
        {utc("2026-12-08T17:52:05.004Z"), 2, muscleGlycogenCost, "8", 8.0, Verdict::correct});
    attempt.stage = 4;
    QVERIFY2(folder.save(attempt, &error), qPrintable(error));

    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"M72-0.6-12.3 2026-12-08T174123.512Z.json"});
    const RecordFolder::Loaded loaded = folder.load();
    QCOMPARE(loaded.attempts, QList<Attempt>{attempt});
}

// As root no permission stops a save; a plain file where the folder
// should be stops everyone. Every save says so again.
void TestRecord::saveIntoFolderThatCannotBe() {
    QTemporaryDir dir;
    QVERIFY(put(dir.filePath("share"), "a file, not a folder"));
    const RecordFolder folder(dir.filePath("share/practice"));
    for (int save = 0; save < 2; ++save) {
        QString error;
        QVERIFY(!folder.save(writtenAttempt(), &error));
        QCOMPARE(error, "Cannot save the practice record " + dir.filePath("share/practice") +
                            "/M72-0.6-12.3 2026-12-08T174123.512Z.json: The folder " +
                            dir.filePath("share/practice") + " cannot be made.");
    }
    QCOMPARE(contents(dir.filePath("share")), "a file, not a folder");
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"share"});
}

// A save that fails leaves what stood at the name, and nothing beside it.
void TestRecord::saveWhereTheNameIsTaken() {
    QTemporaryDir dir;
    const QString taken = dir.filePath(writtenAttempt().fileName());
    QVERIFY(QDir().mkpath(taken + "/inside"));
    const auto before = snapshot(dir.path());
    QString error;
    QVERIFY(!RecordFolder(dir.path()).save(writtenAttempt(), &error));
    QVERIFY2(error.startsWith("Cannot save the practice record " + taken + ": "),
             qPrintable(error));
    QVERIFY2(!error.endsWith(".."), qPrintable(error));
    QCOMPARE(snapshot(dir.path()), before);

    Attempt tooMany = writtenAttempt();
    tooMany.checks = QList<CheckEntry>(Attempt::mostChecks + 1, tooMany.checks.front());
    QVERIFY(!RecordFolder(dir.filePath("other")).save(tooMany, &error));
    QVERIFY2(error.endsWith(": The attempt has 20001 checks, more than a record holds (20000)."),
             qPrintable(error));
    QVERIFY(!QFileInfo::exists(dir.filePath("other")));
}

void TestRecord::faultyAttemptNotSaved_data() {
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("message");
    QTest::newRow("no start") << 0 << "The attempt has no start or update time.";
    QTest::newRow("stage past the end") << 1 << "The attempt's stage, 13, is not one of 0 to 12.";
    QTest::newRow("a check of no time") << 2 << "Check 2 of the attempt is not one a record holds.";
    QTest::newRow("a field of another question")
        << 3 << "Check 3 of the attempt is not one a record holds.";
    QTest::newRow("a value without a verdict")
        << 4 << "Check 1 of the attempt is not one a record holds.";
    QTest::newRow("a value that is not a number")
        << 5 << "Check 2 of the attempt is not one a record holds.";
}

// An attempt whose record would not read back leaves the last good one.
void TestRecord::faultyAttemptNotSaved() {
    QFETCH(int, fault);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const RecordFolder folder(dir.path());
    QVERIFY(folder.save(writtenAttempt()));
    const auto before = snapshot(dir.path());

    Attempt attempt = writtenAttempt();
    switch (fault) {
    case 0:
        attempt.started = QDateTime();
        break;
    case 1:
        attempt.stage = 13;
        break;
    case 2:
        attempt.checks[1].time = QDateTime();
        break;
    case 3:
        attempt.checks[2].question = 3;
        break;
    case 4:
        attempt.checks[0].value = 150.0;
        break;
    case 5:
        attempt.checks[1].value = qQNaN();
        break;
    }
    QCOMPARE(attempt.fault(), message);
    QString error;
    QVERIFY(!folder.save(attempt, &error));
    QVERIFY2(error.endsWith(": " + message), qPrintable(error));
    QCOMPARE(snapshot(dir.path()), before);
}

void TestRecord::defaultPath() {
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    QCoreApplication::setApplicationName("Korvanel");
    QCOMPARE(RecordFolder::defaultPath(), home.path() + "/Korvanel/practice");
}

void TestRecord::summary_data() {
    QTest::addColumn<QStringList>("checks");
    // Of each question: R right at the first try, c checked but not so, - not checked.
    QTest::addColumn<QString>("questions");
    QTest::addColumn<int>("score");
    // The places in `checks` of each field's first and last try, "-" for none, in field order.
    QTest::addColumn<QString>("tries");

    QTest::newRow("nothing checked") << QStringList() << "------" << 0 << "- - - - - - - -";
    QTest::newRow("all right at once")
        << QStringList{"lactate correct", "glucose correct",  "liver correct",  "muscle correct",
                       "atp correct",     "oxidised correct", "oxygen correct", "percent correct"}
        << "RRRRRR" << 6 << "00 11 22 33 44 55 66 77";
    QTest::newRow("right at the second try")
        << QStringList{"lactate notYet", "lactate correct"} << "c-----" << 0 << "01 - - - - - - -";
    QTest::newRow("wrong after right")
        << QStringList{"lactate correct", "lactate close"} << "R-----" << 1 << "01 - - - - - - -";
    QTest::newRow("an unreadable entry is no try")
        << QStringList{"lactate ?", "lactate correct", "lactate ?"} << "R-----" << 1
        << "11 - - - - - - -";
    QTest::newRow("only unreadable entries")
        << QStringList{"oxygen ?", "oxygen ?"} << "------" << 0 << "- - - - - - - -";
    QTest::newRow("a field of question 2 left out")
        << QStringList{"glucose correct", "muscle correct"} << "-c----" << 0 << "- 00 - 11 - - - -";
    QTest::newRow("a slip in question 2")
        << QStringList{"glucose correct", "liver slip", "muscle correct", "liver correct"}
        << "-c----" << 0 << "- 00 13 22 - - - -";
    QTest::newRow("carried forward is not right")
        << QStringList{"lactate notYet", "atp carried", "oxidised carried", "oxidised correct"}
        << "c-cc--" << 0 << "00 - - - 11 23 - -";
    QTest::newRow("in the order of the checks")
        << QStringList{"percent correct", "lactate correct", "percent notYet",
                       "lactate notYet",  "oxygen close",    "percent correct"}
        << "R---cR" << 2 << "13 - - - - - 44 05";
}

void TestRecord::summary() {
    QFETCH(QStringList, checks);
    QFETCH(QString, questions);
    QFETCH(int, score);
    QFETCH(QString, tries);
    Attempt attempt = writtenAttempt();
    attempt.checks = checksOf(checks);

    const AttemptSummary summary = summarize(attempt);
    QCOMPARE(summary.questionCount, 6);
    QCOMPARE(summary.score, score);
    QCOMPARE(summary.questions.size(), 6);
    QString got;
    QStringList places;
    for (int q = 0; q < 6; ++q) {
        const QuestionOutcome& outcome = summary.questions[q];
        QCOMPARE(outcome.question, q + 1);
        got += outcome.rightAtFirstTry ? u'R' : outcome.checked ? u'c' : u'-';
        for (const FieldOutcome& field : outcome.fields) {
            QCOMPARE(answerField(field.field).question, q + 1);
            const auto place = [&](const std::optional<CheckEntry>& check) {
                return check ? QString::number(attempt.checks.indexOf(*check)) : QString();
            };
            QCOMPARE(field.first.has_value(), field.last.has_value());
            places.append(field.first ? place(field.first) + place(field.last) : "-");
        }
    }
    QCOMPARE(got, questions);
    QCOMPARE(places.join(' '), tries);
}

void TestRecord::csvLine_data() {
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("plain") << QStringList{"M72-0.6-12.3", "4 of 6"}
                           << QByteArray("M72-0.6-12.3,4 of 6\r\n");
    QTest::newRow("empty fields") << QStringList{"", "x", ""} << QByteArray(",x,\r\n");
    QTest::newRow("blanks kept, unquoted") << QStringList{" a "} << QByteArray(" a \r\n");
    QTest::newRow("comma") << QStringList{"Correct, Close", "x"}
                           << QByteArray("\"Correct, Close\",x\r\n");
    QTest::newRow("quotes doubled")
        << QStringList{"say \"6\"", "\""} << QByteArray("\"say \"\"6\"\"\",\"\"\"\"\r\n");
    QTest::newRow("line feed") << QStringList{"a\nb"} << QByteArray("\"a\nb\"\r\n");
    QTest::newRow("carriage return") << QStringList{"a\rb"} << QByteArray("\"a\rb\"\r\n");
    QTest::newRow("UTF-8") << QStringList{"\u00b5mol"} << QByteArray("\xc2\xb5mol\r\n");
}

void TestRecord::csvLine() {
    QFETCH(QStringList, fields);
    QFETCH(QByteArray, line);
    QCOMPARE(::csvLine(fields), line);
}

// Two attempts in a time zone five and a half hours east of UTC, where the
// second one started on New Year's Day.
void TestRecord::collation() {
    qputenv("TZ", "IST-5:30");
    Attempt done(code("W60-0.4-10.0"), utc("2026-12-31T20:00:00.000Z"));
    done.stage = 12;
    done.checks = checksOf({"lactate correct", "glucose correct", "liver correct", "muscle correct",
                            "atp correct", "oxidised carried", "oxidised correct", "oxygen close",
                            "percent correct", "oxygen correct"});
    const QByteArray csv = collateCsv({writtenAttempt(), done});
    const QByteArray header =
        "Code,Started,Question 1 first,Question 1 last,Question 2 first,Question 2 last,"
        "Question 3 first,Question 3 last,Question 4 first,Question 4 last,Question 5 first,"
        "Question 5 last,Question 6 first,Question 6 last,Score,Finished\r\n";
    const QByteArray nothing = "not checked,not checked,";
    QCOMPARE(csv.left(header.size()), header);
    QCOMPARE(csv.sliced(header.size()),
             "M72-0.6-12.3,2026-12-08 23:11,Correct,Correct,"
             "Not yet / not checked / not checked,Not yet / not checked / not checked," +
                 nothing + nothing + nothing + nothing + "1 of 6,no\r\n" +
                 "W60-0.4-10.0,2027-01-01 01:30,Correct,Correct,"
                 "Correct / Correct / Correct,Correct / Correct / Correct,Correct,Correct,"
                 "Carried forward,Correct,Close,Correct,Correct,Correct,4 of 6,yes\r\n");
    QCOMPARE(collateCsv({}), header);
}

QTEST_APPLESS_MAIN(TestRecord)
#include "tst_record.moc"
