#include "pdftools.h"
#include "records/attempt.h"
#include "records/recordjson.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

struct Run {
    int status = -1;
    QString out, err;
};

// The built program, with no display and no platform named: whatever it
// does before the window must work so.
QProcessEnvironment headless() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    return environment;
}

Run run(const QStringList& arguments, const QProcessEnvironment& environment = headless()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(KORVANEL_PROGRAM, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QStringList in(const QTemporaryDir& dir, QStringList arguments) {
    return arguments.replaceInStrings("%dir", dir.path());
}

QByteArray contents(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The program's command line from outside: exit status, messages, the files
// it leaves, and Qt's own options passed on to the window.
class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
    void failedRunKeepsWhatStood_data();
    void failedRunKeepsWhatStood();
    void paperFollowsTheLocale_data();
    void paperFollowsTheLocale();
    void windowTakesQtsOptions_data();
    void windowTakesQtsOptions();
    void resultSlipFromARecord();
    void recordsFromOutside();
    void language_data();
    void language();
};

void TestCommandLine::answers_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("fragment");  // of standard output after 0, of standard error else
    QTest::addColumn<QStringList>("files"); // all that the run leaves in %dir

    const QString w = "--worksheet", k = "--key", s = "--subject";
    const QString code = "M72-0.8-12.4";
    QTest::newRow("help names the program by its file name")
        << QStringList{"--help"} << 0 << "Usage: korvanel [options]" << QStringList();
    QTest::newRow("version") << QStringList{"--version"} << 0 << "Korvanel 1.00\n" << QStringList();
    QTest::newRow("Qt's options are accepted")
        << QStringList{"-platform", "offscreen", "-style=fusion", "-reverse", "--version"} << 0
        << "Korvanel 1.00" << QStringList();
    QTest::newRow("both sheets for a subject")
        << QStringList{s, code, w, "%dir/w.pdf", k, "%dir/k.pdf"} << 0 << ""
        << QStringList{"k.pdf", "w.pdf"};
    QTest::newRow("a class set of keys")
        << QStringList{"--count", "3", k, "%dir/k.pdf"} << 0 << "" << QStringList{"k.pdf"};
    QTest::newRow("a worksheet for a random subject")
        << QStringList{w, "%dir/w.pdf"} << 0 << "" << QStringList{"w.pdf"};

    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << 2
                                    << "korvanel: Unknown option 'frobnicate'." << QStringList();
    QTest::newRow("missing value")
        << QStringList{s} << 2 << "Missing value after '--subject'" << QStringList();
    QTest::newRow("not a code, with the code's own message")
        << QStringList{s, "X72-0.8-12.4", w, "%dir/w.pdf"} << 2
        << "\"X72-0.8-12.4\". The code starts with \"X\"; it must start with M or W."
        << QStringList();
    QTest::newRow("an argument that is no option")
        << QStringList{"w.pdf"} << 2 << "Unexpected argument 'w.pdf'" << QStringList();
    QTest::newRow("a class set beyond every subject")
        << QStringList{"--count", "10001", k, "%dir/k.pdf"} << 2
        << "A class set holds 1 to 10000 different subjects, not 10001." << QStringList();
    QTest::newRow("a count that is no number")
        << QStringList{"--count", "ten", k, "%dir/k.pdf"} << 2 << "not \"ten\"" << QStringList();
    QTest::newRow("count and subject") << QStringList{"--count", "2", s, code, k, "%dir/k.pdf"} << 2
                                       << "give one or the other" << QStringList();
    QTest::newRow("count without paper")
        << QStringList{"--count", "2"} << 2 << "give --worksheet or --key" << QStringList();
    QTest::newRow("several subjects for the one window")
        << QStringList{s, code, s, "W60-0.4-10.0"} << 2 << "The window shows one subject"
        << QStringList();
    QTest::newRow("practice on paper") << QStringList{"--practice", w, "%dir/w.pdf"} << 2
                                       << "--practice is for the window" << QStringList();
    QTest::newRow("both sheets into one file") << QStringList{w, "%dir/x.pdf", k, "%dir/./x.pdf"}
                                               << 2 << "name the same file" << QStringList();
    QTest::newRow("a sheet given twice") << QStringList{w, "%dir/a.pdf", w, "%dir/b.pdf"} << 2
                                         << "--worksheet is given more than once." << QStringList();
    QTest::newRow("an empty file name")
        << QStringList{"--key="} << 2 << "--key needs a value." << QStringList();
    QTest::newRow("a file that cannot be written, named")
        << QStringList{w, "%dir/missing/w.pdf"} << 1
        << "Cannot write %dir/missing/w.pdf: " << QStringList();

    // Reading records and writing the table: tst_collate.
    const QString c = "--collate", csv = "--csv";
    QTest::newRow("collate without a table or a report")
        << QStringList{c, "%dir"} << 2 << "give --csv, --gradebook, --report or several"
        << QStringList();
    QTest::newRow("a report without collate")
        << QStringList{"--report", "%dir/r.pdf"} << 2 << "--report is the report of --collate"
        << QStringList();
    QTest::newRow("a table and a report in one file")
        << QStringList{c, "%dir", csv, "%dir/t", "--report", "%dir/./t"} << 2
        << "--csv and --report name the same file" << QStringList();
    QTest::newRow("a report of a folder that holds no records")
        << QStringList{c, "%dir", "--report", "%dir/r.pdf"} << 1
        << "korvanel: %dir is left out. The folder holds no practice records (*.json)."
        << QStringList{"r.pdf"};
    QTest::newRow("collate without records")
        << QStringList{c, csv, "%dir/t.csv"} << 2 << "needs practice records" << QStringList();
    QTest::newRow("a table without collate") << QStringList{csv, "%dir/t.csv", "%dir/a.json"} << 2
                                             << "--csv is the table of --collate" << QStringList();
    QTest::newRow("collate and paper") << QStringList{c, "%dir", csv, "%dir/t.csv", w, "%dir/w.pdf"}
                                       << 2 << "it does not go with --worksheet." << QStringList();
    QTest::newRow("the table over a record")
        << QStringList{c, "%dir/a.json", csv, "%dir/./a.json"} << 2
        << "--csv names a practice record, " << QStringList();

    const QString slip = "--result-slip", record = "--record";
    QTest::newRow("a result slip without its record")
        << QStringList{slip, "%dir/s.pdf"} << 2 << "give --record" << QStringList();
    QTest::newRow("a record without a slip")
        << QStringList{record, "%dir/a.json"} << 2 << "give --result-slip" << QStringList();
    QTest::newRow("a slip with paper")
        << QStringList{slip, "%dir/s.pdf", record, "%dir/a.json", k, "%dir/k.pdf"} << 2
        << "it does not go with --key." << QStringList();
    QTest::newRow("a record that is not there, named")
        << QStringList{slip, "%dir/s.pdf", record, "%dir/a.json"} << 1
        << "Cannot read the record %dir/a.json. " << QStringList();

    // Who practises is named for the window; the teacher's window takes records.
    QTest::newRow("a student on paper")
        << QStringList{"--student", "Ana", w, "%dir/w.pdf"} << 2
        << "--student names who practises in the window" << QStringList();
    QTest::newRow("an ID number without a name")
        << QStringList{"--student-id", "7"} << 2 << "--student-id goes with --student"
        << QStringList();
    QTest::newRow("a name with a control character, written out")
        << QStringList{"--student", "Ana\x1b[2J"} << 2
        << "The name given with --student cannot be taken. A name cannot hold control "
           "characters, such as a tab."
        << QStringList();
    QTest::newRow("a name too long")
        << QStringList{"--student", QString(101, 'a')} << 2
        << "A name has at most 100 characters; this one has 101." << QStringList();
    QTest::newRow("the teacher's window with paper")
        << QStringList{"--teacher", k, "%dir/k.pdf"} << 2
        << "--teacher opens the teacher's window; it does not go with --key." << QStringList();
    QTest::newRow("an argument escaped")
        << QStringList{"\x1b]0;title\a"} << 2 << "Unexpected argument '\\u001b]0;title\\u0007'"
        << QStringList();

    // The window needs a display; its absence is said in one line.
    QTest::newRow("the window without a display")
        << QStringList{} << 1
        << "korvanel: the window cannot open, as there is no display to show it on. --worksheet "
           "and --key write their PDF files without one.\n"
        << QStringList();
}

void TestCommandLine::answers() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, fragment);
    QFETCH(QStringList, files);
    QTemporaryDir dir;

    const Run result = run(in(dir, arguments));
    QCOMPARE(result.status, status);
    QVERIFY2((status == 0 ? result.out : result.err).contains(fragment.replace("%dir", dir.path())),
             qPrintable(result.out + result.err));
    if (status == 2)
        QVERIFY(result.err.contains("Try 'korvanel --help' for more information."));
    if (status != 0 && fragment.endsWith(u'\n')) // the whole message
        QCOMPARE(result.err, fragment);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot), files);
    for (const QString& file : files)
        QVERIFY(contents(dir.filePath(file)).startsWith("%PDF-"));
}

void TestCommandLine::failedRunKeepsWhatStood_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("failing");
    // %dir holds w.pdf and k.pdf, neither a PDF, before the run.
    QTest::newRow("key under a regular file")
        << QStringList{"--worksheet", "%dir/w.pdf", "--key", "%dir/k.pdf/k.pdf"}
        << "%dir/k.pdf/k.pdf";
    QTest::newRow("key under /proc, which not even root can write")
        << QStringList{"--key", "/proc/version/k.pdf", "--worksheet", "%dir/w.pdf"}
        << "/proc/version/k.pdf";
    QTest::newRow("worksheet into a missing folder, key beside it")
        << QStringList{"--count", "2", "--worksheet", "%dir/none/w.pdf", "--key", "%dir/k.pdf"}
        << "%dir/none/w.pdf";
}

// Both sheets are drawn before either is put in place: one that cannot be
// written leaves the other's old file as it was, and nothing beside it.
void TestCommandLine::failedRunKeepsWhatStood() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, failing);
    QTemporaryDir dir;
    for (const char* name : {"w.pdf", "k.pdf"}) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("old ") + name);
    }

    const Run result = run(in(dir, arguments));
    QCOMPARE(result.status, 1);
    QVERIFY2(result.err.contains("Cannot write " + failing.replace("%dir", dir.path())),
             qPrintable(result.err));
    QCOMPARE(contents(dir.filePath("w.pdf")), "old w.pdf");
    QCOMPARE(contents(dir.filePath("k.pdf")), "old k.pdf");
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
             QStringList({"k.pdf", "w.pdf"}));
}

void TestCommandLine::paperFollowsTheLocale_data() {
    QTest::addColumn<QStringList>("variables");
    QTest::addColumn<QString>("size");
    QTest::newRow("United States") << QStringList{"LANG=en_US.UTF-8"} << "(letter)";
    QTest::newRow("US English, metric measures")
        << QStringList{"LANG=en_US.UTF-8", "LC_MEASUREMENT=de_DE.UTF-8"} << "(A4)";
    QTest::newRow("no locale") << QStringList{"LANG=C"} << "(A4)";
}

void TestCommandLine::paperFollowsTheLocale() {
    QFETCH(QStringList, variables);
    QFETCH(QString, size);
    if (QStandardPaths::findExecutable("pdfinfo").isEmpty())
        QSKIP("poppler-utils (pdfinfo) is not installed");
    QTemporaryDir dir;
    QProcessEnvironment environment = headless();
    for (const char* name : {"LC_ALL", "LC_MEASUREMENT", "LC_PAPER", "LANG", "LANGUAGE"})
        environment.remove(name);
    for (const QString& variable : variables)
        environment.insert(variable.section('=', 0, 0), variable.section('=', 1));

    QCOMPARE(run({"--worksheet", dir.filePath("w.pdf")}, environment).status, 0);
    const QString info = PdfTools::run("pdfinfo", {dir.filePath("w.pdf")});
    QVERIFY2(info.contains(QRegularExpression("Page size: .*" + QRegularExpression::escape(size))),
             qPrintable(info));
}

void TestCommandLine::windowTakesQtsOptions_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("opens");
    QTest::newRow("-platform reaches the window") << QStringList{"-platform", "offscreen"} << true;
    QTest::newRow("with a subject and practice")
        << QStringList{"--subject", "w60-0.4-10", "--practice", "-platform", "offscreen"} << true;
    QTest::newRow("without it there is no display to open on") << QStringList() << false;
}

// Started with no display, the window opens only on the platform its
// command line names: it runs on until stopped, or fails at once.
void TestCommandLine::windowTakesQtsOptions() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, opens);
    QProcess process;
    process.setProcessEnvironment(headless());
    process.start(KORVANEL_PROGRAM, arguments);
    QVERIFY(process.waitForStarted());
    const bool ended = process.waitForFinished(opens ? 2000 : 30000);
    if (!ended) {
        process.kill();
        process.waitForFinished();
    }
    QCOMPARE(!ended, opens);
}

// A student's handed-in record becomes a slip with no display to hand, with
// what its entries earn where the record says otherwise.
void TestCommandLine::resultSlipFromARecord() {
    REQUIRE_PDFTOOLS();
    QTemporaryDir dir;
    Attempt attempt(*SubjectCode::parse(u"W65-0.5-10.8"),
                    QDateTime::fromString("2026-12-08T17:41:23.512Z", Qt::ISODateWithMs));
    attempt.student = {"Ana Souza", "20231"};
    attempt.updated = attempt.started.addSecs(11 * 60);
    attempt.checks = {{attempt.started, 1, Field::totalLactate, "127.4", 127.4, Verdict::correct},
                      {attempt.updated, 2, Field::glucoseCost, "5", 5, Verdict::correct}};
    QFile record(dir.filePath("a.json"));
    QVERIFY(record.open(QIODevice::WriteOnly));
    record.write(RecordJson::write(attempt));
    record.close();

    QProcessEnvironment inIndia = headless();
    inIndia.insert("TZ", "IST-5:30");
    const Run result =
        run({"--result-slip", dir.filePath("s.pdf"), "--record", record.fileName()}, inIndia);
    QCOMPARE(result.status, 0);
    QVERIFY2(result.err.contains("korvanel: The record " + record.fileName() +
                                 " was edited. Check 2 says \"Correct\", but its "
                                 "entry \"5\" earns \"Not yet\". The verdicts its entries earn "
                                 "are the ones shown.\n"),
             qPrintable(result.err));
    const QString text = PdfTools::pages(dir.filePath("s.pdf")).join(QString()).simplified();
    for (const char* line :
         {"W65-0.5-10.8, practised by Ana Souza (ID 20231) on", "from 23:11 to 23:22.",
          "This record was edited.", "Question 1: \u221a Correct (127.4)",
          "Question 2, glucose: \u00d7 Not yet (5)",
          "Score: 1 of 6 questions right at the first try."})
        QVERIFY2(text.contains(QString::fromUtf8(line)), qPrintable(text));
}

// What comes from a student's file reaches the terminal with its control
// characters written out; what is not a regular file is named at once and
// never opened.
void TestCommandLine::recordsFromOutside() {
    QTemporaryDir dir;
    QFile record(dir.filePath("a.json"));
    QVERIFY(record.open(QIODevice::WriteOnly));
    record.write(
        R"({"format": "korvanel practice record", "version": 1, "code": "M72\u001b[2J\u001b]0;x\u0007\u0000", "started": "2026-12-08T17:41:23.512Z", "updated": "2026-12-08T17:41:23.512Z", "stage": 0, "checks": []})");
    record.close();
    QStringList expected = {"korvanel: " + record.fileName() +
                            " is left out. The record's code "
                            "\"M72\\u001b[2J\\u001b]0;x\\u0007\\u0000\" is not a subject code. "};
    QStringList arguments = {"--collate", record.fileName()};
#ifdef Q_OS_UNIX
    const QString fifo = dir.filePath("pipe.json");
    QVERIFY(mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    arguments.append(fifo);
    expected.append("korvanel: " + fifo +
                    " is left out. The path is not a regular file (it may be a FIFO, "
                    "a socket or a device), so it was not opened.");
#endif
    const Run result = run(arguments + QStringList{"--csv", dir.filePath("t.csv")});
    QCOMPARE(result.status, 1);
    QVERIFY2(!result.err.contains(QChar(0x1b)) && !result.err.contains(QChar(0)),
             qPrintable(result.err));
    const QStringList said = result.err.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(said.size(), expected.size());
    for (qsizetype i = 0; i < said.size(); ++i)
        QVERIFY2(said[i].startsWith(expected[i]), qPrintable(said[i]));
}

void TestCommandLine::language_data() {
    QTest::addColumn<QString>("desktop"); // LANGUAGE, most wanted first
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said"); // the start of what it printed
    QTest::newRow("the desktop's")
        << "fr" << QStringList{"--help"} << 0 << "Utilisation : korvanel";
    QTest::newRow("the first the program speaks")
        << "it:es" << QStringList{"--help"} << 0 << "Uso: korvanel";
    QTest::newRow("English where it speaks none of them")
        << "it:nl" << QStringList{"--help"} << 0 << "Usage: korvanel";
    QTest::newRow("asked for, over the desktop's")
        << "de" << QStringList{"--language", "en", "--help"} << 0 << "Usage: korvanel";
    QTest::newRow("Portuguese is Brazil's")
        << "" << QStringList{"--language=pt", "--help"} << 0 << "Uso: korvanel";
    QTest::newRow("a usage error in the language asked for")
        << "" << QStringList{"--language", "de", "--frobnicate"} << 2
        << "korvanel: Unbekannte Option 'frobnicate'.";
    QTest::newRow("a language there is none of")
        << "de" << QStringList{"--language", "xx"} << 2
        << "korvanel: Korvanel speaks no \"xx\"; the languages there are: en, de, fr, es, pt_BR.";
}

void TestCommandLine::language() {
    QFETCH(QString, desktop);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, said);
    QProcessEnvironment environment = headless();
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        environment.remove(name);
    environment.insert("LANG", "C.UTF-8");
    environment.insert("LANGUAGE", desktop);
    const Run result = run(arguments, environment);
    QCOMPARE(result.status, status);
    const QString printed = status == 0 ? result.out : result.err;
    QVERIFY2(printed.startsWith(said), qPrintable(printed));
}

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
