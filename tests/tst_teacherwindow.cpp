// Korvanel for teachers: a class set written, refused or cancelled without
// a file left behind; the records handed in read into a sortable table,
// the chart and the list of what could not be read; the table and the
// report exported.
#include "app/program.h"
#include "classwork/handedin.h"
#include "model/language.h"
#include "panes/announcer.h"
#include "pdftools.h"
#include "records.h"
#include "records/recordjson.h"
#include "subjects.h"
#include "teacher/attemptdialog.h"
#include "teacher/attempttable.h"
#include "teacher/chartview.h"
#include "teacher/classsetpage.h"
#include "teacher/handedinpage.h"
#include "teacher/teacherwindow.h"
#include "windows/exercisewindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

using Records::put;

// A record of `name`'s attempt on 8 December 2026 at `hour`.
QByteArray record(const char* name, const char* code, int hour, int stage,
                  const QList<std::pair<Field, const char*>>& entries) {
    const QByteArray started =
        QStringLiteral("2026-12-08T%1:00:00.000Z").arg(hour, 2, 10, QChar(u'0')).toLatin1();
    return RecordJson::write(Records::judged(code, {QString::fromUtf8(name), QString()},
                                             started.constData(), stage, entries));
}

QStringList column(const QTableView* view, int column) {
    QStringList texts;
    for (int row = 0; row < view->model()->rowCount(); ++row)
        texts.append(view->model()->index(row, column).data().toString());
    return texts;
}

} // namespace

class TestTeacherWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Language::speak(QLocale::English); }
    void openedFromTheMenu();
    void classSet_data();
    void classSet();
    void classSetCancelled();
    void handedIn();
    void sorted_data();
    void sorted();
    void watchedKeepsItsPlace();
};

void TestTeacherWindow::openedFromTheMenu() {
    Program program(Subjects::code(0, 72, 0.6, 12.3));
    ExerciseWindow& exercise = program.window();
    exercise.show();
    exercise.openContextMenu(exercise.mapToGlobal(QPoint(100, 100)));
    QAction* item = nullptr;
    for (QAction* action : exercise.contextMenu()->actions())
        if (action->text() == "For &teachers\u2026")
            item = action;
    QVERIFY(item);
    exercise.contextMenu()->hide();
    item->trigger();
    QVERIFY(program.teacherWindow().isVisible());
    QCOMPARE(program.teacherWindow().windowTitle(), "Korvanel for teachers");
    QCOMPARE(program.teacherWindow().pages()->count(), 2);
}

void TestTeacherWindow::classSet_data() {
    QTest::addColumn<QString>("codes"); // empty for 3 random subjects
    QTest::addColumn<bool>("keys");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<QStringList>("files");
    QTest::newRow("three at random, both sheets")
        << "" << true << "Written for 3 subjects: the worksheets to "
        << QStringList{"k.pdf", "w.pdf"};
    QTest::newRow("two codes, worksheets only")
        << "M72-0.6-12.3\n w65-0.5-10.8," << false
        << "Written for 2 subjects: " << QStringList{"w.pdf"};
    QTest::newRow("a code that does not read")
        << "M72-0.6-12.3 X1" << true
        << "The subject code \"X1\" cannot be read. The code starts with \"X\"" << QStringList();
}

void TestTeacherWindow::classSet() {
    QFETCH(QString, codes);
    QFETCH(bool, keys);
    QFETCH(QString, outcome);
    QFETCH(QStringList, files);
    const QTemporaryDir dir;
    TeacherWindow window;
    ClassSetPage* page = window.classSet();
    page->countField()->setValue(3);
    if (!codes.isEmpty())
        page->codesField()->setPlainText(codes);
    QCOMPARE(page->codesChoice()->isChecked(), !codes.isEmpty());
    page->worksheetFile()->setText(dir.filePath("w.pdf"));
    page->keyFile()->setText(dir.filePath("k.pdf"));
    page->keyChoice()->setChecked(keys);
    page->write();
    QTRY_VERIFY_WITH_TIMEOUT(!page->isWriting(), 30000);
    QVERIFY2(page->outcome().startsWith(outcome), qPrintable(page->outcome()));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), files);
}

// Cancelled, a long set leaves nothing: not a file, not half of one.
void TestTeacherWindow::classSetCancelled() {
    const QTemporaryDir dir;
    TeacherWindow window;
    window.show();
    ClassSetPage* page = window.classSet();
    page->countField()->setValue(2000);
    page->worksheetFile()->setText(dir.filePath("w.pdf"));
    page->keyFile()->setText(dir.filePath("k.pdf"));
    page->write();
    QVERIFY(page->isWriting());
    QTRY_VERIFY_WITH_TIMEOUT(page->progressDialog() && page->progressDialog()->isVisible(), 10000);
    QTest::keyClick(page->progressDialog(), Qt::Key_Escape);
    QTRY_VERIFY_WITH_TIMEOUT(!page->isWriting(), 30000);
    QCOMPARE(page->outcome(),
             "Cancelled: nothing was written, and what stood at those places is as it was.");
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList());
}

// Ben's only attempt; Ana's finished one and a later one not finished; an
// edited record; a file cut short and a FIFO, named and passed over.
void TestTeacherWindow::handedIn() {
    REQUIRE_PDFTOOLS();
    const QTemporaryDir dir;
    // 159.8 mmol for M72-0.6-12.3, 127.4 for W65-0.5-10.8.
    QVERIFY(put(dir.filePath("a1.json"),
                record("Ana", "M72-0.6-12.3", 9, 12, {{Field::totalLactate, "159.8"}})));
    QVERIFY(put(dir.filePath("a2.json"), record("Ana", "M72-0.6-12.3", 10, 2, {})));
    QVERIFY(put(dir.filePath("b.json"),
                record("Ben", "W65-0.5-10.8", 11, 4, {{Field::totalLactate, "150"}})));
    QVERIFY(put(dir.filePath("e.json"),
                record("Eve", "W65-0.5-10.8", 12, 2, {{Field::totalLactate, "150"}})
                    .replace("\"notYet\"", "\"correct\"")));
    QVERIFY(put(dir.filePath("cut.json"), "{\"format\": "));
    int unreadable = 1;
#ifdef Q_OS_UNIX
    QVERIFY(mkfifo(QFile::encodeName(dir.filePath("fifo.json")).constData(), 0600) == 0);
    ++unreadable;
#endif
    TeacherWindow window;
    window.show();
    window.addRecords({dir.path()});
    HandedInPage* page = window.handedIn();
    QCOMPARE(window.pages()->currentWidget(), page);
    QTableView* table = page->table();
    QCOMPARE(column(table, AttemptTable::Name), (QStringList{"Ana", "Ana", "Ben", "Eve"}));
    QCOMPARE(column(table, AttemptTable::Counted), (QStringList{"yes", "no", "yes", "yes"}));
    QCOMPARE(column(table, AttemptTable::Edited), (QStringList{"no", "no", "no", "yes"}));
    table->sortByColumn(AttemptTable::Started, Qt::DescendingOrder);
    QCOMPARE(column(table, AttemptTable::Name), (QStringList{"Eve", "Ben", "Ana", "Ana"}));
    QCOMPARE(page->problems()->count(), unreadable + 1); // and Eve's edited record
    QVERIFY(page->overview().startsWith("Records read: 4; students: 3; attempts: 4."));
    QCOMPARE(page->chart()->figures().students, 3);
    QCOMPARE(page->chart()->figures().fields.front().students[size_t(Outcome::rightFirst)], 1);
    QVERIFY(page->chart()->accessibleDescription().startsWith(
        "Question 1: 1 student right at the first try and 2 students not yet right."));

    QVERIFY(page->exportTable(dir.filePath("class.csv")));
    QFile csv(dir.filePath("class.csv"));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QCOMPARE(csv.readAll().count("\r\n"), 5);
    // No student of these gave an ID number: each is left out of the gradebook, and said so.
    QString told;
    QTimer::singleShot(0, page, [&told] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            told = box->text();
            box->accept();
        }
    });
    QVERIFY(page->exportGradebook(dir.filePath("grades.csv")));
    QVERIFY2(told.contains("3 students are left out of it:\n\nAna is left out of the gradebook "
                           "file: the attempt gives no ID number"),
             qPrintable(told));
    QFile grades(dir.filePath("grades.csv"));
    QVERIFY(grades.open(QIODevice::ReadOnly));
    QCOMPARE(grades.readAll(), "ID number,Name,Score,Feedback\r\n");
    QVERIFY(page->exportReport(dir.filePath("report.pdf")));
    const QStringList report = PdfTools::pages(dir.filePath("report.pdf"));
    QCOMPARE(report.size(), 1);
    QVERIFY(report.front().simplified().contains("Records read: 4; students: 3; attempts: 4."));
    // Every label of the page leads to its control by a letter of its own.
    for (const QLabel* label : page->findChildren<QLabel*>())
        if (label->buddy())
            QVERIFY2(label->text().contains(u'&'), qPrintable(label->text()));

    // One attempt in full: Eve's check as typed, what it earns, and why it is marked.
    table->sortByColumn(AttemptTable::Name, Qt::AscendingOrder);
    page->showAttempt(table->model()->index(3, 0));
    auto* shown = page->findChild<AttemptDialog*>();
    QVERIFY(shown);
    QCOMPARE(shown->windowTitle(), "Eve's attempt at subject W65-0.5-10.8");
    QCOMPARE(shown->checks()->rowCount(), 1);
    QCOMPARE(shown->checks()->item(0, 2)->text(), "150");
    QCOMPARE(shown->checks()->item(0, 3)->text(), "Not yet");
    QCOMPARE(shown->checks()->item(0, 4)->text(),
             "Check 1 says \"Correct\", but its entry \"150\" earns \"Not yet\".");
    QVERIFY(shown->exportResultSlip(dir.filePath("eve.pdf")));
    QVERIFY(PdfTools::pages(dir.filePath("eve.pdf")).front().contains("This record was edited."));
    shown->close();

    page->clear();
    QCOMPARE(table->model()->rowCount(), 0);
}

void TestTeacherWindow::sorted_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("descending");
    QTest::addColumn<QStringList>("names"); // with the hour each began
    QTest::newRow("name") << int(AttemptTable::Name) << false
                          << QStringList{"Ana 9", "Ana 10", "ben 11", "Eve 12"};
    QTest::newRow("code, by the codes' order")
        << int(AttemptTable::Code) << true << QStringList{"Eve 12", "ben 11", "Ana 9", "Ana 10"};
    QTest::newRow("started") << int(AttemptTable::Started) << true
                             << QStringList{"Eve 12", "ben 11", "Ana 10", "Ana 9"};
    QTest::newRow("score, a number")
        << int(AttemptTable::Score) << true << QStringList{"Ana 9", "Ana 10", "ben 11", "Eve 12"};
    QTest::newRow("finished") << int(AttemptTable::Finished) << true
                              << QStringList{"Ana 9", "Ana 10", "ben 11", "Eve 12"};
    QTest::newRow("counted") << int(AttemptTable::Counted) << false
                             << QStringList{"Ana 10", "Ana 9", "ben 11", "Eve 12"};
}

// Each column sorts by what it holds, not by its words: a name whatever its
// case, a code in the codes' order, a time, a number, yes after no.
void TestTeacherWindow::sorted() {
    QFETCH(int, column);
    QFETCH(bool, descending);
    QFETCH(QStringList, names);
    const QTemporaryDir dir;
    // Ana's finished attempt scores 1; the codes' order puts every M before every W.
    QVERIFY(put(dir.filePath("a1.json"),
                record("Ana", "M72-0.6-12.3", 9, 12, {{Field::totalLactate, "159.8"}})));
    QVERIFY(put(dir.filePath("a2.json"), record("Ana", "M72-0.6-12.3", 10, 2, {})));
    QVERIFY(put(dir.filePath("b.json"), record("ben", "W60-0.4-10.0", 11, 4, {})));
    QVERIFY(put(dir.filePath("e.json"), record("Eve", "W65-0.5-10.8", 12, 2, {})));
    HandedInPage page;
    page.add({dir.path()});
    QTableView* table = page.table();
    table->sortByColumn(column, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
    QStringList shown;
    for (int row = 0; row < table->model()->rowCount(); ++row)
        shown.append(table->model()->index(row, AttemptTable::Name).data().toString() + u' ' +
                     QString::number(table->model()
                                         ->index(row, AttemptTable::Started)
                                         .data(AttemptTable::SortRole)
                                         .toDateTime()
                                         .toUTC()
                                         .time()
                                         .hour()));
    QCOMPARE(shown, names);
}

// As records arrive in a watched folder, the table keeps its sorting, the
// row selected and its place, and a screen reader hears the arrival once.
void TestTeacherWindow::watchedKeepsItsPlace() {
    const QTemporaryDir dir;
    QVERIFY(put(dir.filePath("a.json"), record("Ana", "M72-0.6-12.3", 9, 12, {})));
    QVERIFY(put(dir.filePath("b.json"), record("Ben", "W65-0.5-10.8", 11, 4, {})));
    HandedInPage page;
    page.show();
    page.watch(dir.path());
    QTRY_COMPARE(page.table()->model()->rowCount(), 2);
    QVERIFY(page.overview().startsWith("Watching " + QDir::toNativeSeparators(dir.path())));
    QTableView* table = page.table();
    table->sortByColumn(AttemptTable::Started, Qt::DescendingOrder);
    table->selectRow(0); // Ben's
    const QString said = page.findChild<Announcer*>()->lastMessage();

    QVERIFY(put(dir.filePath("c.json"), record("Cleo", "W65-0.5-10.8", 13, 2, {})));
    QTRY_COMPARE(table->model()->rowCount(), 3);
    QCOMPARE(column(table, AttemptTable::Name), (QStringList{"Cleo", "Ben", "Ana"}));
    QCOMPARE(table->selectionModel()->selectedRows().size(), 1);
    QCOMPARE(table->selectionModel()->selectedRows().front().data().toString(), "Ben");
    QCOMPARE(page.findChild<Announcer*>()->lastMessage(), "1 new attempt handed in, by Cleo.");

    // A record that changes is no arrival.
    QVERIFY(put(dir.filePath("b.json"), record("Ben", "W65-0.5-10.8", 11, 6, {})));
    QTRY_COMPARE(page.handedIn().records()[1].attempt.stage, 6);
    QCOMPARE(page.findChild<Announcer*>()->lastMessage(), "1 new attempt handed in, by Cleo.");
    QVERIFY(said.startsWith("Watching ")); // what was there at the start, not as arrivals
}

QTEST_MAIN(TestTeacherWindow)
#include "tst_teacherwindow.moc"
