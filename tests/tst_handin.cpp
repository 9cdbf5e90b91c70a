// Handing in: the names a record takes in a hand-in folder, the record kept
// there after every check, a folder that goes and comes back, the writer
// that keeps each attempt's last state for its own file, and the teacher's
// watch on the folder as records arrive, change, come half-written and go.
#include "classwork/folderwatch.h"
#include "records/handinfolder.h"
#include "records/recordfolder.h"
#include "records/recordjson.h"
#include "records/recordwriter.h"
#include "session/session.h"
#include "subjects.h"

#include <QDir>
#include <QFile>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <mutex>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

Attempt attemptOf(const Student& student, const char* started = "2026-12-08T17:41:23.512Z") {
    Attempt attempt(Subjects::code(0, 72, 0.8, 12.4),
                    QDateTime::fromString(QString::fromLatin1(started), Qt::ISODateWithMs));
    attempt.student = student;
    return attempt;
}

bool put(const QString& fileName, const QByteArray& data) {
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

// The readings a watch hands over, gathered.
struct Watched {
    explicit Watched(FolderWatch& watch) {
        QObject::connect(&watch, &FolderWatch::changed, &watch,
                         [this](const QList<HandedIn::Reading>& readings, const QStringList& gone) {
                             for (const HandedIn::Reading& reading : readings)
                                 read.append(reading);
                             this->gone += gone;
                         });
    }
    // The latest reading of `name`, if any.
    const HandedIn::Reading* of(const QString& name) const {
        for (qsizetype i = read.size() - 1; i >= 0; --i)
            if (QFileInfo(read[i].file).fileName() == name)
                return &read[i];
        return nullptr;
    }
    QList<HandedIn::Reading> read;
    QStringList gone;
};

} // namespace

class TestHandIn : public QObject {
    Q_OBJECT

private slots:
    void names_data();
    void names();
    void keptAfterEveryCheck();
    void folderGoesAndComesBack();
    void eachAttemptsLastState();
    void watched();
    void watchedFolderGoes();
};

void TestHandIn::names_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("file"); // before " M72-0.8-12.4 2026-12-08T174123.512Z.json"
    QTest::newRow("the ID number first") << "Ana Souza"
                                         << "20231"
                                         << "20231";
    QTest::newRow("the name without one") << "Ana Souza"
                                          << ""
                                          << "Ana Souza";
    QTest::newRow("nobody named") << ""
                                  << ""
                                  << "";
    QTest::newRow("what Windows refuses") << "a<b>c:d\"e/f\\g|h?i*j"
                                          << ""
                                          << "a_b_c_d_e_f_g_h_i_j";
    QTest::newRow("control characters and blanks") << "\tAna\x1b  Souza\n"
                                                   << ""
                                                   << "_Ana_ Souza_";
    QTest::newRow("a point at the end") << "Ana S. ..."
                                        << ""
                                        << "Ana S";
    QTest::newRow("a device's name, followed by the code") << ""
                                                           << "CON"
                                                           << "CON";
    QTest::newRow("cut at 40") << QString(50, u'x') << "" << QString(40, u'x');
    QTest::newRow("a pair kept whole")
        << QString(39, u'x') + QString::fromUtf8("\xf0\x9f\x98\x80") << "" << QString(39, u'x');
    QTest::newRow("composed") << QString::fromUtf8("Jose\xcc\x81") << ""
                              << QString::fromUtf8("Jos\xc3\xa9");
    QTest::newRow("a surrogate without its pair") << QStringLiteral("Ana ") + QChar(0xd83d) << ""
                                                  << "Ana _";
}

// A name says whose the record is, and is valid on Windows, SMB and cloud
// folders: nothing they refuse, no end in a point or blank, bounded.
void TestHandIn::names() {
    QFETCH(QString, name);
    QFETCH(QString, id);
    QFETCH(QString, file);
    const QString rest = QStringLiteral("M72-0.8-12.4 2026-12-08T174123.512Z.json");
    QCOMPARE(HandInFolder::fileName(attemptOf({name, id})),
             file.isEmpty() ? rest : file + u' ' + rest);
}

// Handed in once, the attempt's record is kept there after every check and
// press, the same as on this computer.
void TestHandIn::keptAfterEveryCheck() {
    const QTemporaryDir own, handIn;
    Session session(Subjects::code(0, 72, 0.6, 12.3));
    session.setRecordFolder(own.path());
    session.setStudent({"Ana Souza", "20231"});
    session.setPracticeMode(true);
    QSignalSpy changes(&session, &Session::handInChanged);
    session.setHandInFolder(handIn.path());
    session.check(1, {"150"});
    session.press(Control::seeanswer1);
    session.flushRecords();
    QTRY_COMPARE(session.handIn().handedIn, session.attempt()->updated);
    QVERIFY(!session.handIn().problem);
    const QString file = handIn.filePath(HandInFolder::fileName(*session.attempt()));
    QCOMPARE(session.handIn().file, file);
    QCOMPARE(RecordFolder::read(file), *session.attempt());
    QCOMPARE(RecordFolder::read(RecordFolder(own.path()).filePath(*session.attempt())),
             *session.attempt());
    QCOMPARE(QDir(handIn.path()).entryList(QDir::Files).size(), 1);
    QVERIFY(changes.size() >= 2);
    QVERIFY2(session.handIn().status().startsWith("Handed in to " +
                                                  QDir::toNativeSeparators(handIn.path()) + " at "),
             qPrintable(session.handIn().status()));

    // A student named anew keeps one file there, under the new name.
    session.setStudent({"Ana Souza", "20232"});
    session.flushRecords();
    QTRY_COMPARE(QDir(handIn.path()).entryList(QDir::Files),
                 QStringList{HandInFolder::fileName(*session.attempt())});
}

// A folder that goes (a stick pulled, a share offline) is said once; the
// record on this computer stays whole, and once the folder is back the
// next check hands in everything.
void TestHandIn::folderGoesAndComesBack() {
    const QTemporaryDir own, place;
    const QString handIn = place.filePath("stick");
    QVERIFY(QDir().mkpath(handIn));
    Session session(Subjects::code(0, 72, 0.6, 12.3));
    session.setRecordFolder(own.path());
    session.setPracticeMode(true);
    session.setHandInFolder(handIn);
    QSignalSpy problems(&session, &Session::handInProblem);
    session.flushRecords();
    QTRY_VERIFY(session.handIn().handedIn.isValid());

    QVERIFY(QDir(handIn).removeRecursively());
    session.check(1, {"150"});
    session.flushRecords();
    QTRY_COMPARE(problems.size(), 1);
    QCOMPARE(problems.constFirst().constFirst().toString(),
             "The hand-in folder " + QDir::toNativeSeparators(handIn) + " cannot be reached.");
    QVERIFY(session.handIn().problem);
    QVERIFY(session.handIn().status().startsWith("Your attempt is not handed in. The hand-in "));
    session.check(1, {"159.8"});
    session.flushRecords();
    QTest::qWait(50);
    QCOMPARE(problems.size(), 1); // once until it is back
    QVERIFY(!QFileInfo::exists(handIn));
    QCOMPARE(RecordFolder(own.path()).load().attempts.constFirst().checks.size(), 2);

    QVERIFY(QDir().mkpath(handIn));
    session.press(Control::seeanswer1);
    session.flushRecords();
    QTRY_VERIFY(!session.handIn().problem);
    const std::optional<Attempt> there =
        RecordFolder::read(QDir(handIn).filePath(HandInFolder::fileName(*session.attempt())));
    QVERIFY(there);
    QCOMPARE(there->checks.size(), 2);
    QCOMPARE(there->stage, 1);
}

// Whatever else is handed over while the writer is busy, each attempt's last
// state reaches its own file: a check, then a new subject before the check
// is written, loses neither.
void TestHandIn::eachAttemptsLastState() {
    QSemaphore held, writing;
    QList<std::pair<QString, int>> written; // each record as written: its code, its checks
    std::mutex lock;
    RecordWriter writer([&](const Attempt& attempt, QString* fileName, QString*) {
        writing.release();
        held.acquire();
        *fileName = attempt.code.text();
        const std::lock_guard guard(lock);
        written.append({attempt.code.text(), int(attempt.checks.size())});
        return true;
    });
    Attempt first = attemptOf({"Ana", ""});
    Attempt second(Subjects::code(1, 65, 0.5, 10.8), first.started.addSecs(60));
    writer.save(first); // written at once, and held mid-write
    writing.acquire();
    first.checks.append({first.started, 1, Field::totalLactate, "150", 150, Verdict::notYet});
    writer.save(first);
    writer.save(second);
    first.checks.append({first.started, 1, Field::totalLactate, "159.8", 159.8, Verdict::correct});
    writer.save(first);
    held.release(3);
    QVERIFY(writer.flush(std::chrono::seconds(10)));
    QCOMPARE(written, (QList<std::pair<QString, int>>{
                          {"M72-0.8-12.4", 0}, {"M72-0.8-12.4", 2}, {"W65-0.5-10.8", 0}}));
}

// The teacher's watch: a record there at the start, one added, one changed,
// one caught half-written, one damaged for good, one taken away, a link out
// of the folder and a FIFO; none of them changed by being read.
void TestHandIn::watched() {
    const QTemporaryDir folder, outside;
    const Attempt ana = attemptOf({"Ana Souza", "20231"});
    QVERIFY(put(folder.filePath("ana.json"), RecordJson::write(ana)));
    FolderWatch watch(folder.path());
    Watched seen(watch);
    QTRY_VERIFY(seen.of("ana.json"));
    QCOMPARE(seen.of("ana.json")->record->attempt.student.name, "Ana Souza");

    Attempt ben = attemptOf({"Ben Okafor", "20232"});
    QVERIFY(put(folder.filePath("ben.json"), RecordJson::write(ben)));
    QTRY_VERIFY(seen.of("ben.json"));

    Attempt later = ana;
    later.checks.append({ana.started, 1, Field::totalLactate, "150", 150, Verdict::notYet});
    later.updated = ana.started.addSecs(60);
    later.checks.front().time = later.updated;
    const QByteArray whole = RecordJson::write(later);
    QVERIFY(put(folder.filePath("ana.json"), whole));
    QTRY_COMPARE(seen.of("ana.json")->record->attempt.checks.size(), 1);

    // Half a record, then the rest within the time it is read again: never
    // passed on as damaged.
    const qsizetype before = seen.read.size();
    QVERIFY(put(folder.filePath("eve.json"), whole.left(200)));
    QTest::qWait(int(FolderWatch::retryAfter.count() / 2));
    QVERIFY(put(folder.filePath("eve.json"), whole));
    QTRY_VERIFY(seen.of("eve.json"));
    for (qsizetype i = before; i < seen.read.size(); ++i)
        QVERIFY(seen.read[i].record);

    QVERIFY(put(folder.filePath("cut.json"), whole.left(200)));
    QTRY_VERIFY_WITH_TIMEOUT(seen.of("cut.json"), 10000);
    QVERIFY(!seen.of("cut.json")->record);
    QVERIFY(seen.of("cut.json")->reason.startsWith("The file is cut short"));

#ifdef Q_OS_UNIX
    // A link and a FIFO; Windows makes a shortcut file of a link, and has no FIFO.
    QVERIFY(put(outside.filePath("far.json"), RecordJson::write(ben)));
    QVERIFY(QFile::link(outside.filePath("far.json"), folder.filePath("link.json")));
    QVERIFY(mkfifo(QFile::encodeName(folder.filePath("pipe.json")).constData(), 0600) == 0);
    QTRY_VERIFY(seen.of("pipe.json"));
    QVERIFY(seen.of("pipe.json")->reason.startsWith("The path is not a regular file"));
    QTRY_VERIFY(seen.of("link.json"));
    QCOMPARE(seen.of("link.json")->reason,
             "The file is a link to a place outside the folder, and it was not followed.");
#endif

    QVERIFY(QFile::remove(folder.filePath("ben.json")));
    QTRY_COMPARE(seen.gone, QStringList{folder.filePath("ben.json")});
    QCOMPARE(QFile(folder.filePath("ana.json")).size(), whole.size());
}

// A watched folder that is deleted is said once; what was read stands, and
// it is read again when it is back.
void TestHandIn::watchedFolderGoes() {
    const QTemporaryDir place;
    const QString folder = place.filePath("hand-in");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(put(QDir(folder).filePath("ana.json"), RecordJson::write(attemptOf({"Ana", ""}))));
    FolderWatch watch(folder);
    Watched seen(watch);
    QSignalSpy lost(&watch, &FolderWatch::folderLost), back(&watch, &FolderWatch::folderBack);
    QTRY_COMPARE(seen.read.size(), 1);
    QVERIFY(QDir(folder).removeRecursively());
    QTRY_COMPARE(lost.size(), 1);
    QVERIFY(lost.constFirst().constFirst().toString().startsWith(
        "The watched folder " + QDir::toNativeSeparators(QDir::cleanPath(folder)) +
        " cannot be reached."));
    QCOMPARE(seen.gone, QStringList());
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(put(QDir(folder).filePath("ben.json"), RecordJson::write(attemptOf({"Ben", ""}))));
    QTRY_COMPARE_WITH_TIMEOUT(back.size(), 1, 10000);
    QTRY_VERIFY(seen.of("ben.json"));
    QCOMPARE(lost.size(), 1);
}

QTEST_GUILESS_MAIN(TestHandIn)
#include "tst_handin.moc"
