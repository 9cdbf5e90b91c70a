// The teacher's items in the exercise window: a new subject from any
// stage, a subject from a code, the code on the clipboard.
#include "app/program.h"
#include "model/subjectcode.h"
#include "panes/textpane.h"
#include "pdftools.h"
#include "practice/answerform.h"
#include "subjects.h"
#include "walkthrough.h"
#include "windows/exercisewindow.h"
#include "windows/pathwaywindow.h"
#include "windows/subjectdialog.h"

#include <QClipboard>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using enum Control;
using Walkthrough::visibleChildren;

class TestTeacher : public QObject {
    Q_OBJECT

private slots:
    void newSubjectFromEveryStage_data();
    void newSubjectFromEveryStage();
    void subjectFromCode_data();
    void subjectFromCode();
    void copySubjectCode();
    void exportPdf_data();
    void exportPdf();
    void printSuggestsTheWholeCode();
    void resultSlip();
    void unfinishedAttemptOffered();
};

void TestTeacher::newSubjectFromEveryStage_data() {
    QTest::addColumn<int>("presses");
    QTest::addColumn<bool>("practice");
    for (int presses = 0; presses <= 12; ++presses)
        QTest::addRow("after %d presses", presses) << presses << false;
    QTest::newRow("practising, question 2 posed") << 2 << true;
}

// Whatever the stage, a new subject starts the exercise again: the same as
// a window just opened for that subject, pathway windows put away.
void TestTeacher::newSubjectFromEveryStage() {
    QFETCH(int, presses);
    QFETCH(bool, practice);

    const SubjectCode before = Subjects::code(0, 72, 0.6, 12.3);
    const SubjectCode after = Subjects::code(1, 65, 0.5, 10.8);
    Program program(before);
    ExerciseWindow& window = program.window();
    window.session().setPracticeMode(practice);
    window.showMaximized();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    for (int i = 0; i < presses; ++i) {
        window.button(Walkthrough::steps[i])->click();
        if (Walkthrough::steps[i] == seeanswer2)
            window.button(seepathway1)->click();
    }
    window.session().setSubject(after, Session::Origin::Given);

    ExerciseWindow fresh(after);
    fresh.session().setPracticeMode(practice);
    fresh.showMaximized();
    QTRY_COMPARE(fresh.size(), window.size());
    QCOMPARE(visibleChildren(window), visibleChildren(fresh));
    QCOMPARE(window.questionPane()->plainLines(), fresh.questionPane()->plainLines());
    QVERIFY(window.answerPane()->content().isEmpty());
    QCOMPARE(window.focusWidget(),
             practice ? static_cast<QWidget*>(window.findChild<QLineEdit*>("field1"))
                      : window.button(seeanswer1));
    if (PathwayWindow* pathway = window.pathwayWindow(Pathway::Gluconeogenesis))
        QVERIFY(pathway->isHidden());
    if (practice) { // judged by the new subject's numbers: 127.4 mmol, where the old had 159.8
        QTest::keyClicks(window.focusWidget(), "127.4");
        QTest::keyClick(window.focusWidget(), Qt::Key_Return);
        QCOMPARE(window.session().attempt()->checks.constLast().verdict, Verdict::correct);
    }

    // The key does the same with a random subject.
    window.button(seeanswer1)->click();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keySequence(&window, QKeySequence::New);
    QCOMPARE(window.questionPane()->content().size(), 8);
    QCOMPARE(window.session().stage(), Stage());
}

void TestTeacher::subjectFromCode_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("problem"); // empty when the code is taken
    QTest::newRow("a code in lower case") << "w65-0.5-10.8"
                                          << "";
    QTest::newRow("out of range, explained") << "W85-0.5-10.8"
                                             << "Weight 85 is out of range.";
    QTest::newRow("not a code") << "hello"
                                << "The code starts with \"h\"";
}

// A bad code is explained in the dialog, which stays open, and the running
// exercise is left as it was.
void TestTeacher::subjectFromCode() {
    QFETCH(QString, typed);
    QFETCH(QString, problem);

    Program program(Subjects::code(0, 72, 0.6, 12.3));
    ExerciseWindow& window = program.window();
    window.show();
    window.button(seeanswer1)->click();
    const QStringList answer = window.answerPane()->plainLines();
    QString shown;
    QRect message, room;
    int needed = 0;
    QTimer::singleShot(0, &window, [&] {
        auto* dialog = window.findChild<SubjectDialog*>();
        dialog->field()->setText(typed);
        dialog->accept();
        shown = dialog->problem();
        if (auto* label = dialog->findChild<QLabel*>("problem"); label && label->isVisible()) {
            QApplication::processEvents();
            message = label->geometry();
            room = dialog->contentsRect();
            needed = label->heightForWidth(label->width());
        }
        if (dialog->isVisible())
            dialog->reject();
    });
    program.teacher().askForSubject();

    QVERIFY2(problem.isEmpty() ? shown.isEmpty() : shown.startsWith(problem), qPrintable(shown));
    if (!problem.isEmpty()) {
        // The whole message shows, however long, at 100 % and at 125 %.
        QVERIFY2(room.contains(message), qPrintable(QStringLiteral("%1x%2 at %3,%4")
                                                        .arg(message.width())
                                                        .arg(message.height())
                                                        .arg(message.x())
                                                        .arg(message.y())));
        QVERIFY2(message.height() >= needed, qPrintable(QString::number(needed)));
    }
    if (problem.isEmpty()) {
        QCOMPARE(window.session().code().text(), "W65-0.5-10.8");
        QCOMPARE(window.windowTitle(), "Korvanel calculation (W65-0.5-10.8)");
        QVERIFY(window.answerPane()->content().isEmpty());
        // A new subject (Ctrl+N) is drawn at random: its code is no one's to match.
        program.teacher().newSubject();
        QCOMPARE(window.windowTitle(), "Korvanel calculation");
        QVERIFY(!window.session().subjectGiven());
    } else {
        QVERIFY(shown.contains(u"60 to 84 kg"));
        QCOMPARE(window.session().code().text(), "M72-0.6-12.3");
        QCOMPARE(window.answerPane()->plainLines(), answer);
    }
}

void TestTeacher::copySubjectCode() {
    Program program(Subjects::code(0, 72, 0.8, 12.4));
    program.teacher().copySubjectCode();
    QCOMPARE(QGuiApplication::clipboard()->text(), "M72-0.8-12.4");
}

void TestTeacher::exportPdf_data() {
    QTest::addColumn<QString>("fileName"); // in a fresh folder
    QTest::addColumn<QString>("said");     // in a message box; empty when it worked
    QTest::newRow("written") << "key.pdf"
                             << "";
    QTest::newRow("into a folder that is not there") << "none/key.pdf"
                                                     << "No PDF was written.";
}

// A failed export says so and leaves nothing behind.
void TestTeacher::exportPdf() {
    QFETCH(QString, fileName);
    QFETCH(QString, said);

    const QTemporaryDir folder;
    const QString path = folder.filePath(fileName);
    Program program(Subjects::code(0, 72, 0.8, 12.4));
    ExerciseWindow& window = program.window();
    QString message;
    QTimer::singleShot(0, &window, [&message] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            message = box->text();
            box->reject();
        }
    });
    QCOMPARE(program.teacher().exportPdf(Sheet::Key, path), said.isEmpty());
    QVERIFY2(said.isEmpty() ? message.isEmpty() : message.startsWith(said), qPrintable(message));
    QCOMPARE(QFileInfo::exists(path), said.isEmpty());
}

// The print dialog offers the document's name, less what follows its last
// point, as the file to print to: the code's points and the sheet stay.
void TestTeacher::printSuggestsTheWholeCode() {
#ifdef Q_OS_WIN
    QSKIP("Windows's print dialog is its own, not a Qt widget a test can reach");
#endif
    Program program(Subjects::code(0, 72, 0.8, 12.4));
    ExerciseWindow& window = program.window();
    QString name;
    QTimer::singleShot(0, &window, [&] {
        auto* ask = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(ask);
        for (QAbstractButton* button : ask->buttons())
            if (button->text() == "Answer &key")
                button->click();
        QTimer::singleShot(0, &window, [&] {
            if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
                name = dialog->printer()->docName();
                dialog->reject();
            }
        });
    });
    program.teacher().print();
    QCOMPARE(name, "korvanel-M72-0.8-12.4-key.pdf");
}

// In practice mode the student's results go on a slip of their own.
void TestTeacher::resultSlip() {
    REQUIRE_PDFTOOLS();
    const QTemporaryDir folder;
    Program program(Subjects::code(0, 72, 0.6, 12.3));
    ExerciseWindow& window = program.window();
    QVERIFY(!program.practice().resultSlipAction()->isEnabled());
    window.session().setPracticeMode(true);
    QVERIFY(program.practice().resultSlipAction()->isEnabled());
    window.session().check(1, {"159.8"});
    const QString pdf = folder.filePath("slip.pdf");
    QVERIFY(program.practice().exportResultSlip(pdf));
    const QStringList pages = PdfTools::pages(pdf);
    QCOMPARE(pages.size(), 1);
    for (const char* line :
         {"Korvanel calculation: result slip", "M72-0.6-12.3",
          "The exercise was left at question 1.", "Question 1: \u221a Correct (159.8)",
          "Question 4: not checked", "Score: 1 of 6 questions right at the first try."})
        QVERIFY2(pages.constFirst().contains(QString::fromUtf8(line)), line);
}

// An attempt left unfinished at this subject is offered when practice
// starts: continued, it comes back where it stopped; started again, not.
void TestTeacher::unfinishedAttemptOffered() {
    const QTemporaryDir folder;
    const SubjectCode code = Subjects::code(0, 72, 0.6, 12.3);
    {
        Session left(code);
        left.setRecordFolder(folder.path());
        left.setPracticeMode(true);
        for (int i = 0; i < 4; ++i)
            left.press(Walkthrough::steps[i]);
        left.flushRecords();
    }
    for (const char* choice : {"&Continue", "Start &again"}) {
        Session session(code);
        session.setRecordFolder(folder.path());
        Program program(session);
        ExerciseWindow& window = program.window();
        window.show();
        QString asked;
        QTimer::singleShot(0, &window, [&] {
            auto* ask = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(ask);
            asked = ask->text();
            for (QAbstractButton* button : ask->buttons())
                if (button->text() == QString::fromLatin1(choice))
                    button->click();
        });
        program.practice().start();
        QVERIFY2(asked.contains("subject M72-0.6-12.3") && asked.contains("stopped at question 3"),
                 qPrintable(asked));
        QVERIFY(session.practiceMode());
        const bool resumed = QByteArray(choice) == "&Continue";
        QCOMPARE(session.stage().name(), resumed ? "Q3" : "Q1");
        QCOMPARE(window.answerForm()->question(), resumed ? 3 : 1);
        QCOMPARE(window.windowTitle(),
                 resumed ? "Korvanel calculation (M72-0.6-12.3)" : "Korvanel calculation");
        session.setPracticeMode(false);
        session.flushRecords();
    }
}

QTEST_MAIN(TestTeacher)
#include "tst_teacher.moc"
