// Practice mode in the window: the stages do not change, the form comes and
// goes with the question posed, the keyboard reaches it, and the last step
// sums up. The judging itself is tst_judging's.
#include "app/program.h"
#include "panes/announcer.h"
#include "panes/textpane.h"
#include "practice/answerform.h"
#include "practice/practicepanel.h"
#include "practice/studentbook.h"
#include "practice/studentdialog.h"
#include "subjects.h"
#include "walkthrough.h"
#include "windows/exercisewindow.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using enum Control;
using Walkthrough::steps;
const auto visibleChildren = Walkthrough::visibleChildren<PracticePanel>;

class TestPractice : public QObject {
    Q_OBJECT

private slots:
    void formFollowsTheStages_data();
    void formFollowsTheStages();
    void keyboardWalkWithAnswers();
    void toggledAtAnyStage();
    void verdictGoesWithAnEdit();
    void saidAsItHappens_data();
    void saidAsItHappens();
    void studentNamed_data();
    void studentNamed();
    void nameAskedOnceOnAMachine();
    void unkeptRecordsToldOnce();
};

void TestPractice::formFollowsTheStages_data() {
    QTest::addColumn<int>("presses");
    QTest::addColumn<int>("question"); // whose form shows, 0 for none
    QTest::addColumn<int>("fields");

    const int forms[][2] = {{1, 1}, {0, 0}, {2, 3}, {0, 0}, {3, 1}, {0, 0}, {4, 1},
                            {0, 0}, {5, 1}, {0, 0}, {6, 1}, {0, 0}, {0, 0}};
    const char* stages[] = {"Q1", "A1", "Q2", "A2", "Q3", "A3",      "Q4",
                            "A4", "Q5", "A5", "Q6", "A6", "Finished"};
    for (int presses = 0; presses <= 12; ++presses)
        QTest::addRow("%s", stages[presses]) << presses << forms[presses][0] << forms[presses][1];
}

// With practice on, every stage shows what it shows without, the form over
// the answer pane's place while a question is posed.
void TestPractice::formFollowsTheStages() {
    QFETCH(int, presses);
    QFETCH(int, question);
    QFETCH(int, fields);

    ExerciseWindow practising(Subjects::code(1, 65, 0.5, 10.8));
    ExerciseWindow plain(Subjects::code(1, 65, 0.5, 10.8));
    practising.session().setPracticeMode(true);
    for (ExerciseWindow* window : {&practising, &plain}) {
        window->show();
        for (int i = 0; i < presses; ++i)
            window->button(steps[i])->click();
    }

    QCOMPARE(visibleChildren(practising), visibleChildren(plain));
    QCOMPARE(practising.questionPane()->plainLines(), plain.questionPane()->plainLines());
    AnswerForm* form = practising.answerForm();
    QCOMPARE(form ? form->question() : 0, question);
    if (form) {
        QCOMPARE(form->fields().size(), fields);
        QCOMPARE(QRect(form->mapTo(practising.page(), QPoint()), form->size()),
                 practising.answerPane()->geometry());
        QCOMPARE(practising.answerPane()->plainLines(), plain.answerPane()->plainLines());
    }
}

// Enter checks; Tab goes from the fields to Check to "See answer"; after a
// Hide press the next form has the focus; the end sums the first verdicts.
void TestPractice::keyboardWalkWithAnswers() {
    ExerciseWindow window(Subjects::code(0, 72, 0.6, 12.3));
    window.session().setPracticeMode(true);
    window.showMaximized();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const QStringList answers[] = {{"159.8"}, {"6", "7", "7"}, {"640 mmol"},
                                   {"42,6"},  {"2.95"},        {"22.6 %"}};

    for (int question = 1; question <= 6; ++question) {
        AnswerForm* form = window.answerForm();
        QVERIFY(form);
        QCOMPARE(QApplication::focusWidget(), form->fields().constFirst());
        for (qsizetype i = 0; i < form->fields().size(); ++i) {
            QTest::keyClicks(QApplication::focusWidget(), answers[question - 1][i]);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), form->checkButton());
        QTest::keyClick(form->fields().constFirst(), Qt::Key_Return);
        const QString first = question == 5 ? QStringLiteral("Close") : QStringLiteral("Correct");
        QVERIFY2(form->verdict(0).startsWith(first), qPrintable(form->verdict(0)));
        QTest::keyClick(form->checkButton(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window.button(steps[2 * question - 2]));
        // And back the same way.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), form->checkButton());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), form->fields().constLast());
        QTest::keyClick(form->checkButton(), Qt::Key_Tab);
        QTest::keyClick(form->checkButton(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(!window.answerForm());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    }

    QCOMPARE(
        window.answerPane()->plainLines(),
        (QStringList{"    Your answers, the first try and the last:",
                     "    Question 1:   Correct (159.8)", "    Question 2, glucose:   Correct (6)",
                     "    Question 2, liver glycogen:   Correct (7)",
                     "    Question 2, muscle glycogen:   Not yet (7)",
                     "    Question 3:   Correct (640 mmol)", "    Question 4:   Correct (42,6)",
                     "    Question 5:   Close (2.95)", "    Question 6:   Correct (22.6 %)",
                     "    Score: 4 of 6 questions right at the first try."}));
    // All ten lines are on the pane.
    QVERIFY(10 * window.answerPane()->lineHeight() <= window.answerPane()->contentsRect().height());
    QVERIFY(window.findChild<Announcer*>()->lastMessage().endsWith(u"Exercise complete."));
}

void TestPractice::toggledAtAnyStage() {
    ExerciseWindow window(Subjects::code(0, 72, 0.6, 12.3));
    window.show();
    window.button(seeanswer1)->click();
    window.session().setPracticeMode(true); // answer 1 shown: no form
    QVERIFY(!window.answerForm());
    window.button(hideanswer1)->click();
    QCOMPARE(window.answerForm()->question(), 2);
    window.session().setPracticeMode(false);
    QVERIFY(!window.answerForm());
    QVERIFY(window.button(seeanswer2)->isVisible());
}

// A verdict is its entry's: typing in the field takes it away, on screen and
// for a screen reader, until the field is checked again.
void TestPractice::verdictGoesWithAnEdit() {
    ExerciseWindow window(Subjects::code(0, 72, 0.6, 12.3));
    window.session().setPracticeMode(true);
    window.show();
    window.button(seeanswer1)->click();
    window.button(hideanswer1)->click();
    AnswerForm* form = window.answerForm();
    for (qsizetype i = 0; i < 3; ++i)
        form->fields()[i]->setText(QString::number(6 + i));
    form->checkButton()->click();
    QVERIFY(form->verdict(2).startsWith("Correct"));
    QTest::keyClick(form->fields()[2], Qt::Key_Backspace);
    QTest::keyClick(form->fields()[2], Qt::Key_4);
    QCOMPARE(form->verdict(2), QString());
    QVERIFY(form->verdict(0).startsWith("Correct"));
    QCOMPARE(QAccessible::queryAccessibleInterface(form->findChild<QLabel*>("verdict3"))
                 ->text(QAccessible::Name),
             QString());
}

void TestPractice::saidAsItHappens_data() {
    QTest::addColumn<int>("presses");
    QTest::addColumn<bool>("toggle");
    QTest::addColumn<QString>("said"); // the message's start, then its end

    QTest::newRow("practice on, a question posed")
        << 0 << true
        << "Practice mode on: type each answer and check it.\nTotal lactate "
           "metabolised, mmol";
    QTest::newRow("a question posed ends with its first field")
        << 2 << false
        << "Most of this lactate will be taken up by the liver and used for gluconeogenesis."
           "|Glucose from 2 x lactate, ATP";
    QTest::newRow("an answer shown names no field")
        << 3 << false << "Synthesis of glucose from 2 x lactate uses 6 x ATP|lactate to pyruvate.";
}

// What a screen reader is told: practice mode turned on, and at each press
// what it printed, in practice mode ending with the field to answer in.
void TestPractice::saidAsItHappens() {
    QFETCH(int, presses);
    QFETCH(bool, toggle);
    QFETCH(QString, said);

    Program program(Subjects::code(0, 72, 0.6, 12.3));
    ExerciseWindow& window = program.window();
    if (!toggle)
        window.session().setPracticeMode(true);
    window.show();
    for (int i = 0; i < presses; ++i)
        window.button(steps[i])->click();
    if (toggle)
        program.practice().practiceAction()->trigger();
    const QString message = window.findChild<Announcer*>()->lastMessage();
    const QStringList ends = said.split('|');
    QVERIFY2(message.startsWith(ends.constFirst()), qPrintable(message));
    QVERIFY2(message.endsWith(ends.constLast()), qPrintable(message));
}

void TestPractice::studentNamed_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("problem"); // empty when taken, as trimmed
    QTest::newRow("trimmed") << "  Ana Souza "
                             << " 20231 "
                             << "";
    QTest::newRow("any script, no ID") << "مه‌سا 李"
                                       << ""
                                       << "";
    QTest::newRow("none") << "  "
                          << ""
                          << "Type your name.";
    QTest::newRow("a tab in the name") << "Ana\tSouza"
                                       << ""
                                       << "A name cannot hold control characters, such as a tab.";
    QTest::newRow("an escape in the ID") << "Ana"
                                         << "1\x1b[2J"
                                         << "An ID number cannot hold control characters, such "
                                            "as a tab.";
}

void TestPractice::studentNamed() {
    QFETCH(QString, name);
    QFETCH(QString, id);
    QFETCH(QString, problem);
    StudentDialog dialog({});
    dialog.show();
    dialog.nameField()->setText(name);
    dialog.idField()->setText(id);
    dialog.accept();
    QCOMPARE(dialog.problem(), problem);
    QCOMPARE(dialog.result(), problem.isEmpty() ? QDialog::Accepted : QDialog::Rejected);
    if (problem.isEmpty())
        QCOMPARE(dialog.student(), (Student{name.trimmed(), id.trimmed()}));
}

// The first practice on a machine asks whose it is, and the machine keeps
// the answer; cancelled, practice does not start.
void TestPractice::nameAskedOnceOnAMachine() {
    const QTemporaryDir dir;
    StudentBook book(dir.filePath("settings.ini"));
    const auto answer = [](const QString& name) {
        QTimer::singleShot(0, [name] {
            auto* dialog = qobject_cast<StudentDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            if (name.isEmpty()) {
                dialog->reject();
                return;
            }
            dialog->nameField()->setText(name);
            dialog->accept();
        });
    };
    {
        Program program(Subjects::code(0, 72, 0.6, 12.3));
        program.practice().setStudentBook(&book);
        program.window().show();
        answer(QString());
        program.practice().practiceAction()->trigger();
        QVERIFY(!program.session().practiceMode());
        QVERIFY(!program.practice().practiceAction()->isChecked());
        answer("Ana Souza");
        program.practice().practiceAction()->trigger();
        QVERIFY(program.session().practiceMode());
        QVERIFY(program.practice().practiceAction()->isChecked());
        QCOMPARE(program.session().attempt()->student.name, "Ana Souza");
    }
    QCOMPARE(StudentBook(dir.filePath("settings.ini")).student().name, "Ana Souza");
    Program again(Subjects::code(0, 72, 0.6, 12.3));
    again.practice().setStudentBook(&book);
    QVERIFY(again.practice().start()); // no dialog: it would wait for an answer here
    QCOMPARE(again.session().student().name, "Ana Souza");
    QVERIFY(again.session().practiceMode());
}

// Records that cannot be kept are told in the window as well as to a
// screen reader, once; practice goes on.
void TestPractice::unkeptRecordsToldOnce() {
    const QTemporaryDir dir;
    QFile plain(dir.filePath("file"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    Session session(Subjects::code(0, 72, 0.6, 12.3));
    session.setRecordFolder(dir.filePath("file/practice")); // under a plain file
    Program program(session);
    ExerciseWindow& window = program.window();
    window.show();
    session.setPracticeMode(true);
    session.check(1, {"159.8"});
    session.flushRecords();
    const auto boxes = [&window] {
        QList<QMessageBox*> shown;
        for (QMessageBox* box : window.findChildren<QMessageBox*>())
            if (box->isVisible() && box->text().startsWith("Your answers cannot be kept. "))
                shown.append(box);
        return shown;
    };
    QTRY_COMPARE(boxes().size(), 1);
    QVERIFY(window.announcer()->lastMessage().contains("practice"));
    session.check(1, {"159"});
    session.flushRecords();
    QTest::qWait(50);
    QCOMPARE(boxes().size(), 1);
}

QTEST_MAIN(TestPractice)
#include "tst_practice.moc"
