#include "classwork/classfigures.h"
#include "classwork/collation.h"
#include "judging/slips.h"
#include "model/language.h"
#include "model/visibletext.h"
#include "records.h"
#include "records/attemptsummary.h"
#include "records/recordfolder.h"
#include "records/recordjson.h"
#include "records/replay.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

using enum Field;

// A record as the program writes one, typed by hand; the first check
// unreadable, the second right (159.8 mmol), the third a known slip (the
// GTP left out of glucose's 6 ATP).
const QByteArray written = R"({
    "format": "korvanel practice record",
    "version": 2,
    "program": "Korvanel",
    "programVersion": "1.00",
    "student": "Ana Souza",
    "studentId": "20231",
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
    attempt.student = {"Ana Souza", "20231"};
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

using Records::put;

} // namespace

class TestRecord : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Language::speak(QLocale::English); } // its plurals
    void record();
    void sameInEveryLanguage_data();
    void sameInEveryLanguage();
    void damage_data();
    void damage();
    void folder();
    void save();
    void summary_data();
    void summary();
    void replayed_data();
    void replayed();
    void handedIn();
    void unreadableFolder();
    void escaped_data();
    void escaped();
};

void TestRecord::record() {
    QCOMPARE(RecordJson::read(written), writtenAttempt());
    QCOMPARE(RecordJson::write(writtenAttempt()), written);
    // The first version named nobody.
    Attempt unnamed = writtenAttempt();
    unnamed.student = {};
    QCOMPARE(RecordJson::read(changed("\"version\": 2,", "\"version\": 1,")
                                  .replace("\"student\": \"Ana Souza\",", "")
                                  .replace("\"studentId\": \"20231\",", "")),
             unnamed);
    QCOMPARE(writtenAttempt().fileName(), "M72-0.6-12.3 2026-12-08T174123.512Z.json");

    // What JSON escapes, a double that prints long, a time given in another zone.
    Attempt odd(*SubjectCode::parse(u"w84-0.8-13.9"), utc("2026-03-29T00:59:59.999+02:00"));
    odd.stage = 12;
    odd.checks = {{odd.started, 6, percentIncrease, "\"1\"\\\n\t\x01\u00b5mol \u2212 \U0001F600",
                   0.1 + 0.2, Verdict::close}};
    // A surrogate without its pair, which UTF-8 cannot hold, reads back as it was.
    odd.student.name = QStringLiteral("Ana ") + QChar(0xd83d) + QStringLiteral(" Souza");
    odd.checks.front().entry += QChar(0xdc00);
    QCOMPARE(RecordJson::read(RecordJson::write(odd)), odd); // 0.30000000000000004, not 0.3
    QCOMPARE(odd.fileName(), "W84-0.8-13.9 2026-03-28T225959.999Z.json");

    // The class's table is read back by Python's csv module (tst_collate), where nothing
    // needs quotes. No control character reaches it, nor a cell a spreadsheet would run.
    QCOMPARE(csvLine({"", "a,b", "say \"6\"", "a\nb", "\tb", " \u00b5 ", "=1+1", "-2", "+a",
                      "@SUM(A1)", "1-2"}),
             ",\"a,b\",\"say \"\"6\"\"\",a\\u000ab,\\u0009b, \xc2\xb5 ,'=1+1,'-2,'+a,'@SUM(A1),"
             "1-2\r\n");
}

void TestRecord::sameInEveryLanguage_data() {
    QTest::addColumn<QString>("language");
    for (const QString& name : Language::names())
        QTest::newRow(qPrintable(name)) << name;
}

// A record written in Lisbon reads in Leipzig, and a class's table says its
// verdicts in the same English words whoever made it: values with a point,
// whatever the run's decimal separator.
void TestRecord::sameInEveryLanguage() {
    QFETCH(QString, language);
    Language::speak(*Language::named(language, nullptr));
    QCOMPARE(RecordJson::write(writtenAttempt()), written);
    QCOMPARE(RecordJson::read(written), writtenAttempt());
    const Replay replayed = replay(writtenAttempt());
    const QList<QByteArray> lines =
        collateCsv({{"a.json", replayed.attempt, summarize(replayed.attempt), replayed.slips,
                     replayed.edited, replayed.faults}})
            .split('\n');
    QCOMPARE(lines.size(), 3);
    // After the name, ID number, code and start.
    QCOMPARE(lines[1].split(',').mid(4).join(','),
             "Correct,Correct,Not yet / not checked / not checked,Not yet / not checked / not "
             "checked,not checked,not checked,not checked,not checked,not checked,not checked,not "
             "checked,not checked,1,1 of 6,no,no,no\r");
    Language::speak(QLocale::English);
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
    row("empty file", "\n \r\n", "The file is empty.");
    row("cut short", written.left(400),
        "The file is cut short: its JSON ends unfinished (unterminated");
    row("a foreign object", R"({"version": 1})", "The file is not a Korvanel practice record.");
    row("an array at the top", "[" + written + "]", "The file is not a Korvanel practice record.");
    row("a newer version", changed(": 2,", ": 3,"),
        "The record was written by a newer Korvanel (record");
    row("code not a code", changed("12.3", "14.0"), "The record's code \"M72-0.6-14.0\" is not a");
    row("start no time", changed("08T17:41", "32T17:41"), "In the record, \"started\" is \"2026-");
    row("unknown field", changed("glucoseCost", "glucose"),
        "In check 3, \"field\" is \"glucose\",");
    row("field not its question", changed(": 2, \"field\"", ": 3, \"field\""), "In check 3, the");
    row("past a double", changed(": 4,", ": 4e999,"),
        "The file is not JSON: illegal number at byte");
    row("too many checks", changed("[", "[" + QByteArray("{},").repeated(20000)),
        "The record has 20003 checks, more than any attempt could (20000 at most).");
    row("a name too long", changed("Ana Souza", QByteArray(101, 'a')),
        "In the record, \"student\" is longer than 100 characters.");
    row("an ID number not text", changed("\"20231\"", "20231"),
        "In the record, \"studentId\" is not text.");
    row("over 8 MB", QByteArray(9'500'000, ' '),
        "The file is too large for a practice record: 9.5 MB, where a record takes at most 8 MB.");
    row("nested 100,000 deep", changed("\"4\"", QByteArray(100'000, '[')),
        "The file is not JSON: too deeply nested document at byte");
}

void TestRecord::damage() {
    QFETCH(QByteArray, data);
    QFETCH(QString, message);
    QString error;
    QVERIFY(!RecordJson::read(data, &error));
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
    QVERIFY(put(dir.filePath("D.JSON"), written));     // e, of another code, is updated last
    QVERIFY(put(dir.filePath("d.json.txt"), written)); // not a record
    QVERIFY(put(dir.filePath("e.json"), changed("M72", "W72").replace("17:52", "23:52")));
    QVERIFY(put(dir.filePath("cut.json"), written.left(350)));
    QFile huge(dir.filePath("huge.json"));
    QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(9'500'000)); // sparse, not read
    huge.close();

    QString fifo;
#ifdef Q_OS_UNIX
    // A FIFO would keep whoever opens it waiting for a writer, for ever.
    QVERIFY(mkfifo(QFile::encodeName(dir.filePath("fifo.json")).constData(), 0600) == 0);
    fifo = "|fifo.json is passed over. The path is not a regular file (it may be a FIFO, a "
           "socket or a device), so it was not opened.";
#endif

    const QStringList skipped = {"cut", "fifo", "huge"};
    for (int twice = 0; twice < 2; ++twice)
        for (const QString& name : skipped)
            if (name != "fifo" || !fifo.isEmpty())
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression("skipped, " + name));
    const RecordFolder::Loaded loaded = RecordFolder(dir.path()).load();
    QCOMPARE(loaded.problems.join(u'|'),
             "cut.json is passed over. The file is cut short: its JSON ends unfinished "
             "(unterminated string)." +
                 fifo +
                 "|huge.json is passed over. The file is too large for a practice record: 9.5 MB, "
                 "where a record takes at most 8 MB.");
    QCOMPARE(loaded.attempts.size(), 5);
    QCOMPARE(loaded.attempts.back().stage, 12); // begun last
    const SubjectCode code = *SubjectCode::parse(u"M72-0.6-12.3");
    QCOMPARE(RecordFolder(dir.path()).unfinished(code, writtenAttempt().student)->stage, 5);
    QVERIFY(!RecordFolder(dir.filePath("none")).unfinished(code, writtenAttempt().student));
    QCOMPARE(QFileInfo(dir.filePath("cut.json")).size(), 350);
    // Another student's is not offered.
    for (const QString& name : skipped)
        if (name != "fifo" || !fifo.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("skipped, " + name));
    QVERIFY(!RecordFolder(dir.path()).unfinished(code, {"Ben Okafor", ""}));
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
                        ". Check 2 of the attempt is not one a record holds.");
    QCOMPARE(folder.load().attempts, QList<Attempt>{writtenAttempt()});

    // No permission stops root; a plain file where the folder goes stops anyone.
    const RecordFolder underFile(folder.filePath(attempt) + "/x");
    for (int again = 0; again < 2; ++again) {
        QVERIFY(!underFile.save(writtenAttempt(), &error));
        QCOMPARE(error, "Cannot save the practice record " +
                            QDir::toNativeSeparators(underFile.filePath(attempt)) +
                            ". The folder " + QDir::toNativeSeparators(underFile.path()) +
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

// What the record's entries earn is what counts; a record that says
// otherwise, or could not have been made as it says, is marked edited at
// its first such check. Verdicts by check: - none, c correct, n not yet, s slip.
void TestRecord::replayed_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("verdicts");
    QTest::addColumn<QString>("edited");
    const auto row = [](const char* name, const QByteArray& from, const QByteArray& to,
                        const char* verdicts, const char* edited) {
        QTest::newRow(name) << changed(from, to) << verdicts << edited;
    };
    row("as written", "", "", "-cs", "");
    row("a slip made right", "\"verdict\": \"slip\"", "\"verdict\": \"correct\"", "-cs",
        "Check 3 says \"Correct\", but its entry \"4\" earns \"Not yet\".");
    row("an entry changed", "\"159,8\"", "\"150\"", "-ns",
        "Check 2 says \"Correct\", but its entry \"150\" earns \"Not yet\".");
    row("the unreadable made readable", "\"150 mg\"", "\"150\"", "ncs",
        "Check 1 holds no verdict, but its entry \"150\" earns \"Not yet\".");
    row("a value changed", ": 159.8,", ": 159.9,", "-cs",
        "Check 2 holds the value 159.9, but its entry \"159,8\" reads 159.8.");
    row("a check before the one before it", "17:50:00", "17:44:00", "-cs",
        "Check 3 was made before the check before it, or before the attempt started.");
    row("a check before the start", "17:45:00", "17:40:00", "-cs",
        "Check 1 was made before the check before it, or before the attempt started.");
    row("a check after the last update", "17:50:00", "17:53:00", "-cs",
        "Check 3 was made after the attempt's last update.");
    row("a question not yet posed", "\"stage\": 3", "\"stage\": 1", "-cs",
        "Check 3 is of question 2, which was not posed at that point.");
}

void TestRecord::replayed() {
    QFETCH(QByteArray, data);
    QFETCH(QString, verdicts);
    QFETCH(QString, edited);
    const std::optional<Attempt> read = RecordJson::read(data);
    QVERIFY(read);
    const Replay replay = ::replay(*read);
    QString got;
    for (const CheckEntry& check : replay.attempt.checks)
        got += !check.verdict                       ? '-'
               : *check.verdict == Verdict::correct ? 'c'
               : *check.verdict == Verdict::slip    ? 's'
                                                    : 'n';
    QCOMPARE(got, verdicts);
    QCOMPARE(replay.edited.value_or(QString()), edited);
    QCOMPARE(replay.slips.size(), replay.attempt.checks.size());
}

// A class's records: a copy counts once, a student's finished attempt over
// a later unfinished one, an edited record by what its entries earn, and
// what cannot be read is named.
void TestRecord::handedIn() {
    QTemporaryDir dir;
    // Written as the program writes them, each check as its entry earns it.
    const auto attempt = [](const char* code, Student student, const char* started, int stage,
                            QList<std::pair<Field, const char*>> entries) {
        Attempt a(*SubjectCode::parse(QString::fromLatin1(code)), utc(started));
        a.student = student;
        a.stage = stage;
        a.updated = a.started.addSecs(600);
        for (const auto& [field, entry] : entries)
            a.checks.append(
                {a.started.addSecs(60), answerField(field).question, field, entry, {}, {}});
        return replay(a).attempt;
    };
    const Student ana = {"Ana Souza", "20231"};
    // A man of 72 kg, 0.6 to 12.3 mmol/L: 159.8 mmol; a woman of 65 kg, 0.5 to 10.8: 127.4.
    const Attempt first = attempt("M72-0.6-12.3", ana, "2026-12-08T10:00:00.000Z", 12,
                                  {{totalLactate, "159.8"}, {glucoseCost, "4"}});
    const Attempt second = attempt("M72-0.6-12.3", ana, "2026-12-09T10:00:00.000Z", 2, {});
    const Attempt ben =
        attempt("W65-0.5-10.8", {"ben okafor", ""}, "2026-12-08T11:00:00.000Z", 4,
                {{totalLactate, "13"}, {totalLactate, "127.4"}, {glucoseCost, "4"}});
    Attempt eve = attempt("W65-0.5-10.8", {"Eve", ""}, "2026-12-08T12:00:00.000Z", 2,
                          {{totalLactate, "150"}});
    eve.checks[0].verdict = Verdict::correct; // not what 150 earns, 127.4 being right
    // Ana's first attempt handed in part-way, before it was finished: the same attempt.
    Attempt part =
        attempt("M72-0.6-12.3", ana, "2026-12-08T10:00:00.000Z", 3, {{totalLactate, "159.8"}});
    part.updated = part.started.addSecs(300);
    // An attempt of Ana's finished earlier still: the latest finished counts.
    const Attempt older = attempt("M72-0.6-12.3", ana, "2026-12-07T10:00:00.000Z", 12, {});
    // 150 mmol, wrong; then 150 / 2 x 8 = 600 mmol ATP, carried forward from it.
    const Attempt finn = attempt("W65-0.5-10.8", {"Finn", ""}, "2026-12-08T13:00:00.000Z", 4,
                                 {{totalLactate, "150"}, {atpNeeded, "600"}});
    const QList<std::pair<QString, QByteArray>> files = {{"a.json", RecordJson::write(first)},
                                                         {"a copy.json", RecordJson::write(first)},
                                                         {"a part.json", RecordJson::write(part)},
                                                         {"a older.json", RecordJson::write(older)},
                                                         {"b.json", RecordJson::write(second)},
                                                         {"ben.json", RecordJson::write(ben)},
                                                         {"eve.json", RecordJson::write(eve)},
                                                         {"finn.json", RecordJson::write(finn)},
                                                         {"cut.json", written.left(99)}};
    for (const auto& [name, data] : files)
        QVERIFY(put(dir.filePath(name), data));

    HandedIn handedIn;
    handedIn.add(dir.path());
    handedIn.add(dir.filePath("none.json"));
    QCOMPARE(handedIn.filesRead(), 8);
    QStringList rows;
    for (const HandedInRecord& r : handedIn.records())
        rows.append(QStringLiteral("%1 %2 %3%4")
                        .arg(r.attempt.student.name)
                        .arg(r.copies)
                        .arg(r.counted ? "counted" : "not")
                        .arg(r.edited ? " edited" : ""));
    QCOMPARE(rows, (QStringList{"Ana Souza 1 not", "Ana Souza 3 counted", "Ana Souza 1 not",
                                "ben okafor 1 counted", "Eve 1 counted edited", "Finn 1 counted"}));
    QCOMPARE(handedIn.records()[1].attempt.stage, 12); // the copy that came furthest
    QCOMPARE(handedIn.students(), 4);
    const QStringList messages = handedIn.messages();
    QCOMPARE(messages.size(), 3);
    QVERIFY2(messages[0].startsWith(QDir::toNativeSeparators(dir.filePath("cut.json")) +
                                    " is left out. The file is cut short"),
             qPrintable(messages[0]));
    QVERIFY2(messages[1].startsWith(QDir::toNativeSeparators(dir.filePath("none.json")) +
                                    " is left out. The file cannot be read: "),
             qPrintable(messages[1]));
    QCOMPARE(messages[2], "The record " + QDir::toNativeSeparators(dir.filePath("eve.json")) +
                              " was edited. Check 1 says \"Correct\", but its entry "
                              "\"150\" earns \"Not yet\". The verdicts its entries earn are the "
                              "ones shown.");
    QCOMPARE(
        handedIn.overview().join(' '),
        "Records read: 8; students: 4; attempts: 6. 2 records held an attempt read already; "
        "each attempt counts once. Where a student handed in more than one attempt, the latest "
        "finished counts, else the latest; the table says which. 1 record was edited; what "
        "its entries earn is shown, not what they say. 2 files could not be read and are "
        "left out.");

    // Of the four who count: total lactate right at once, at the last, not yet
    // twice; glucose's GTP left out by two, not checked by two; Finn's ATP
    // carried forward, not merely close.
    const ClassFigures figures = classFigures(handedIn.counted());
    QCOMPARE(figures.students, 4);
    using A = std::array<int, outcomeCount>;
    QCOMPARE(figures.fields[int(totalLactate)].students, (A{1, 1, 0, 0, 2, 0}));
    QCOMPARE(figures.fields[int(glucoseCost)].students, (A{0, 0, 0, 0, 2, 2}));
    QCOMPARE(figures.fields[int(atpNeeded)].students, (A{0, 0, 1, 0, 0, 3}));
    QCOMPARE(figures.slips.size(), 1);
    QCOMPARE(figures.slips[0].students, 2);
    QVERIFY(slips()[size_t(figures.slips[0].slip)].hintForClass().startsWith(
        "Not yet: the GTP is not counted"));
}

// A folder that cannot be read says so, not that it holds no records.
void TestRecord::unreadableFolder() {
#ifdef Q_OS_UNIX
    if (geteuid() == 0)
        QSKIP("root reads every folder");
#else
    QSKIP("a folder's permissions do not keep its owner from reading it here");
#endif
    QTemporaryDir dir;
    const QString folder = dir.filePath("locked");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(put(QDir(folder).filePath("a.json"), written));
    QVERIFY(QFile::setPermissions(folder, QFileDevice::WriteOwner));
    HandedIn handedIn;
    handedIn.add(folder);
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QCOMPARE(handedIn.messages(), QStringList{QDir::toNativeSeparators(folder) +
                                              " is left out. The folder cannot be read."});
}

void TestRecord::escaped_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("a screen cleared") << "\x1b[2JM72"
                                      << "\\u001b[2JM72";
    QTest::newRow("a terminal retitled") << "\x1b]0;x\a"
                                         << "\\u001b]0;x\\u0007";
    QTest::newRow("NUL, DEL and C1")
        << QString::fromUtf8("a\0b\x7f\u0085", 6) << "a\\u0000b\\u007f\\u0085";
    QTest::newRow("reversed direction") << "a\u202eb\u2066"
                                        << "a\\u202eb\\u2066";
    QTest::newRow("a line separator") << "a\u2028b"
                                      << "a\\u2028b";
    QTest::newRow("a surrogate alone") << QString(QChar(0xd83d)) + "x"
                                       << "\\ud83dx";
    QTest::newRow("names in any script")
        << "Ana Sou\u00e7a \u0645\u0647\u200c\u0633\u0627 \U0001F600"
        << "Ana Sou\u00e7a \u0645\u0647\u200c\u0633\u0627 \U0001F600";
}

void TestRecord::escaped() {
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(VisibleText::escaped(text), shown);
    QCOMPARE(VisibleText::hasControl(text), text != shown);
}

QTEST_GUILESS_MAIN(TestRecord)
#include "tst_record.moc"
