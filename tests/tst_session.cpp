// The exercise as a session, with no window: the thirteen stages reached by
// presses alone, every press on a control that is not live refused, and
// every line printed, in the worked examples' numbers and words.
#include "handworked.h"
#include "records/recordfolder.h"
#include "records/replay.h"
#include "session/session.h"
#include "stagetable.h"
#include "subjects.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

using namespace Walkthrough;
using Transcript::plain;
using namespace HandWorked;

// Two panes as the session's signals fill them.
struct Panes {
    explicit Panes(Session& session) {
        QObject::connect(&session, &Session::cleared, &session, [this](Pane pane) {
            (pane == Pane::Questions ? questions : answer).clear();
        });
        QObject::connect(&session, &Session::printed, &session, [this](Pane pane, const Lines& l) {
            (pane == Pane::Questions ? questions : answer) += l;
        });
        QObject::connect(&session, &Session::controlShown, &session,
                         [this](Control control, bool visible) {
                             shown.removeAll(control);
                             if (visible)
                                 shown.append(control);
                         });
    }
    Lines questions, answer;
    QList<Control> shown;
};

} // namespace

class TestSession : public QObject {
    Q_OBJECT

private slots:
    void stages_data();
    void stages();
    void refusedPresses();
    void pathwayPresses_data();
    void pathwayPresses();
    void newSubjectFromEveryStage();
    void newSubjectNewAttempt();
    void printedBlocks_data();
    void printedBlocks();
    void wholeRecord();
    void pronouns_data();
    void pronouns();
    void practiceChecks();
    void attemptKeptAndContinued();
    void unwritableRecordsSaidOnce();
};

void TestSession::stages_data() {
    addStageRows();
}

// Walked by its presses alone, the session reaches each stage with what the
// table says on screen, and prints what the transcript says it holds.
void TestSession::stages() {
    QFETCH(int, sex);
    QFETCH(int, presses);
    const StageRow& row = stageTable[presses];

    Session session(Subjects::code(sex, 80, 0.8, 10.1));
    Panes panes(session);
    panes.questions = Transcript::prompt(session.scenario(), 1);
    panes.shown = {seeanswer1};
    QSignalSpy changes(&session, &Session::stageChanged);
    for (int i = 0; i < presses; ++i)
        QVERIFY2(session.press(steps[i]), stageTable[i].name);
    QCOMPARE(changes.size(), presses);

    QCOMPARE(session.stage().name(), row.name);
    QCOMPARE(session.stage().index(), presses);
    QList<Control> visible;
    for (int c = 0; c < int(Control::answerPane); ++c)
        if (session.isVisible(Control(c)))
            visible.append(Control(c));
    QCOMPARE(visible, row.buttons);
    QCOMPARE(session.isVisible(answerPane), row.answerPane);
    QCOMPARE(session.posedQuestion(), row.posed);
    QCOMPARE(session.isFinished(), presses == 12);
    QCOMPARE(session.nextStep(), presses < 12 ? std::optional(steps[presses]) : std::nullopt);

    // What the signals showed and printed, step by step.
    QList<Control> shown = row.buttons;
    if (row.answerPane)
        shown.append(answerPane);
    std::sort(panes.shown.begin(), panes.shown.end());
    QCOMPARE(panes.shown, shown);
    QCOMPARE(panes.questions.size(), row.questionLines);
    QCOMPARE(panes.answer.size(), row.answerLines);
    // What the panes hold, as worked by hand: every prompt so far, the answer shown.
    QStringList questions;
    for (int q = 1; q <= session.stage().reachedQuestion(); ++q)
        questions += prompts(sex)[q - 1];
    QCOMPARE(plain(panes.questions), questions);
    const int answer = session.stage().shownAnswer();
    QCOMPARE(plain(panes.answer), answer ? answers(sex)[answer - 1] : QStringList());
}

// A control that is not live at a stage, pressed, changes nothing and says
// nothing: a hidden button, a button pressed a second time, the pane.
void TestSession::refusedPresses() {
    Session session(Subjects::code(0, 72, 0.6, 12.3));
    for (int presses = 0; presses <= 12; ++presses) {
        for (int c = 0; c < controlCount; ++c) {
            const Control control = Control(c);
            if (stageTable[presses].buttons.contains(control))
                continue;
            QSignalSpy printed(&session, &Session::printed);
            QSignalSpy cleared(&session, &Session::cleared);
            QSignalSpy shown(&session, &Session::controlShown);
            QSignalSpy changed(&session, &Session::stageChanged);
            QSignalSpy pathway(&session, &Session::pathwayRequested);
            QVERIFY(!session.press(control));
            QCOMPARE(session.stage().index(), presses);
            QCOMPARE(printed.size() + cleared.size() + shown.size() + changed.size() +
                         pathway.size(),
                     0);
        }
        if (presses < 12)
            session.press(steps[presses]);
    }
}

void TestSession::pathwayPresses_data() {
    QTest::addColumn<int>("presses");
    QTest::addColumn<Control>("button");
    QTest::addColumn<Pathway>("pathway");
    QTest::newRow("see pathway 1 in A2") << 3 << seepathway1 << Pathway::Gluconeogenesis;
    QTest::newRow("see pathway 2 in Q4") << 6 << seepathway2 << Pathway::CitricAcidCycle;
    QTest::newRow("see pathway 2 in A4") << 7 << seepathway2 << Pathway::CitricAcidCycle;
}

// A pathway button opens its diagram as often as it is pressed and leaves
// the stage, the panes and the buttons as they were.
void TestSession::pathwayPresses() {
    QFETCH(int, presses);
    QFETCH(Control, button);
    QFETCH(Pathway, pathway);

    Session session(Subjects::code(0, 72, 0.6, 12.3));
    for (int i = 0; i < presses; ++i)
        session.press(steps[i]);
    QSignalSpy opened(&session, &Session::pathwayRequested);
    QSignalSpy printed(&session, &Session::printed);
    QSignalSpy shown(&session, &Session::controlShown);
    for (int i = 0; i < 3; ++i)
        QVERIFY(session.press(button));
    QCOMPARE(opened.size(), 3);
    QCOMPARE(opened.constLast().constFirst().value<Pathway>(), pathway);
    QCOMPARE(printed.size() + shown.size(), 0);
    QCOMPARE(session.stage().index(), presses);
}

// Whatever the stage, a new subject starts the exercise again from its
// statement, with only "See answer 1" shown.
void TestSession::newSubjectFromEveryStage() {
    const SubjectCode after = Subjects::code(1, 65, 0.5, 10.8);
    for (int presses = 0; presses <= 12; ++presses) {
        Session session(Subjects::code(0, 72, 0.6, 12.3));
        for (int i = 0; i < presses; ++i)
            session.press(steps[i]);
        Panes panes(session);
        panes.questions = {{}};
        panes.answer = {{}};
        for (int c = 0; c < controlCount; ++c)
            if (session.isVisible(Control(c)))
                panes.shown.append(Control(c));
        QSignalSpy changed(&session, &Session::stageChanged);
        session.setSubject(after, Session::Origin::Given);

        QCOMPARE(session.code(), after);
        QCOMPARE(session.stage(), Stage());
        QCOMPARE(changed.size(), 1);
        QCOMPARE(panes.shown, QList<Control>{seeanswer1});
        QVERIFY(panes.answer.isEmpty());
        QCOMPARE(plain(panes.questions).constFirst(),
                 "    You are considering a woman who weighs  65  kg. She  has just completed a "
                 "100 m sprint.");
        QCOMPARE(panes.questions.size(), 8);
    }
}

// In practice mode another subject is another attempt: nothing of the old
// one's checks, start or stage carries into it, and its record is its own.
void TestSession::newSubjectNewAttempt() {
    const QTemporaryDir folder;
    Session session(Subjects::code(0, 72, 0.6, 12.3));
    session.setRecordFolder(folder.path());
    session.setPracticeMode(true);
    session.check(1, {"159.8"});
    session.press(seeanswer1);
    const QDateTime before = session.attempt()->started;
    QTest::qWait(2);
    const SubjectCode after = Subjects::code(1, 65, 0.5, 10.8);
    session.setSubject(after, Session::Origin::Given);
    QCOMPARE(session.attempt()->code, after);
    QVERIFY(session.attempt()->checks.isEmpty());
    QCOMPARE(session.attempt()->stage, 0);
    QVERIFY(session.attempt()->started > before);
    QCOMPARE(session.check(1, {"127.4"}).constFirst().verdict, Verdict::correct);
    session.flushRecords();
    const RecordFolder::Loaded kept = RecordFolder(folder.path()).load();
    QCOMPARE(kept.attempts.size(), 2);
    QCOMPARE(kept.attempts[0].checks.constFirst().entry, "159.8");
    QCOMPARE(kept.attempts[1].code, after);
    QCOMPARE(kept.attempts[1].checks.size(), 1);
    QVERIFY(!replay(kept.attempts[1]).edited);
}

void TestSession::printedBlocks_data() {
    QTest::addColumn<int>("question");
    QTest::addColumn<bool>("prompt");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("statement and question 1") << 1 << true << statement;
    QTest::newRow("answer 1") << 1 << false << answer1;
    QTest::newRow("note and question 2") << 2 << true << question2;
    QTest::newRow("answer 2") << 2 << false << answer2;
    QTest::newRow("question 3") << 3 << true << question3;
    QTest::newRow("answer 3") << 3 << false << answer3;
    QTest::newRow("question 4") << 4 << true << question4;
    QTest::newRow("answer 4") << 4 << false << answer4;
    QTest::newRow("note and question 5, with 0.746 L") << 5 << true << question5;
    QTest::newRow("answer 5") << 5 << false << answer5;
    QTest::newRow("question 6") << 6 << true << question6;
    QTest::newRow("answer 6") << 6 << false << answer6;
}

void TestSession::printedBlocks() {
    QFETCH(int, question);
    QFETCH(bool, prompt);
    QFETCH(QStringList, lines);
    const Scenario s = Subjects::make(0, 80, 0.8, 10.1);
    QCOMPARE(plain(prompt ? Transcript::prompt(s, question) : Transcript::answer(s, question)),
             lines);
}

void TestSession::wholeRecord() {
    const QStringList record =
        statement + question2 + question3 + question4 + question5 + question6;
    QCOMPARE(record.size(), 31);
    QCOMPARE(plain(Transcript::pane(Subjects::make(0, 80, 0.8, 10.1), Stage::finished(),
                                    Pane::Questions)),
             record);
    QVERIFY(Transcript::pane(Subjects::make(0, 80, 0.8, 10.1), Stage::finished(), Pane::Answer)
                .isEmpty());
}

void TestSession::pronouns_data() {
    QTest::addColumn<int>("presses");
    QTest::addColumn<bool>("inQuestionPane");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");

    QTest::newRow("answer 1 her") << 1 << false << 3
                                  << "    Over 30 min her plasma lactate falls by  9.8  mmol/L";
    QTest::newRow("answer 4 she needs")
        << 7 << false << 7
        << "    Total 15 ATP produced per lactate oxidised; she needs  509 mmol ATP";
    QTest::newRow("answer 4 she must oxidise")
        << 7 << false << 8 << "    therefore she must oxidise  509 /15 =  33.9  mmol lactate.";
    QTest::newRow("question 5 her")
        << 8 << true << 26
        << "5)  What is her additional oxygen consumption (in L) over the 30 minutes after the end "
           "of the race?";
    QTest::newRow("question 6 her, whole figure") << 10 << true << 28
                                                  << "6)  Assuming that her total energy "
                                                     "expenditure is  9.9 MJ perday";
    QTest::newRow("answer 6 whole percentage")
        << 11 << false << 3
        << "    percent increase in oxygen consumption = 100 x  2.27  /  10.31 =  22 %";
}

// A woman of 65 kg: her own words and numbers, whole values without a point.
void TestSession::pronouns() {
    QFETCH(int, presses);
    QFETCH(bool, inQuestionPane);
    QFETCH(int, line);
    QFETCH(QString, text);

    Session session(Subjects::code(1, 65, 0.5, 10.8));
    for (int i = 0; i < presses; ++i)
        session.press(steps[i]);
    const Lines lines = Transcript::pane(session.scenario(), session.stage(),
                                         inQuestionPane ? Pane::Questions : Pane::Answer);
    QCOMPARE(plain(lines).value(line), text);
}

// Only the question posed is checked, and only in practice mode; the end
// brings the summary into the answer pane.
void TestSession::practiceChecks() {
    Session session(Subjects::code(0, 72, 0.6, 12.3));
    QSignalSpy checked(&session, &Session::checked);
    QVERIFY(session.check(1, {"159.8"}).isEmpty());
    session.setPracticeMode(true);
    QVERIFY(session.check(2, {"6", "7", "8"}).isEmpty());
    QCOMPARE(checked.size(), 0);
    const QList<FieldCheck> checks = session.check(1, {"159.8"});
    QCOMPARE(checks.size(), 1);
    QCOMPARE(checks.constFirst().verdict, Verdict::correct);
    QCOMPARE(checked.size(), 1);
    QCOMPARE(session.check(1, {" "}).constFirst().message, "Type an answer first.");

    // The rest of the walk, checking as a student might.
    QVERIFY(session.check(1, {"150"}).constFirst().message.startsWith("Not yet"));
    session.check(1, {"159.8"});
    Panes panes(session);
    QSignalSpy finished(&session, &Session::finished);
    const QList<std::pair<int, QStringList>> answers = {
        {2, {"6", "", "7"}}, {3, {"700"}}, {3, {"639"}}, {5, {"2.93"}}};
    for (Control step : steps) {
        session.press(step);
        for (const auto& [question, entries] : answers)
            if (session.posedQuestion() == question)
                session.check(question, entries);
    }
    QCOMPARE(finished.size(), 1);
    const QStringList summary = plain(finished.constFirst().constFirst().value<Lines>());
    QCOMPARE(plain(panes.answer), summary);
    // Marks are read as blanks beside their words.
    QCOMPARE(
        summary,
        (QStringList{
            "    Your answers, the first try and the last:", "    Question 1:   Correct (159.8)",
            "    Question 2, glucose:   Correct (6)", "    Question 2, liver glycogen: not checked",
            "    Question 2, muscle glycogen:   Not yet (7)",
            "    Question 3:   Not yet (700); last   Correct (639)", "    Question 4: not checked",
            "    Question 5:   Close (2.93)", "    Question 6: not checked",
            "    Score: 1 of 6 questions right at the first try."}));
    QVERIFY(session.attempt()->finished());
    QCOMPARE(session.attempt()->checks.size(), 8); // an empty field is no check
}

// What is checked is on disk once handed over; the attempt left at question
// 3 is offered again, and continuing it brings back its stage, its panes and
// the entries later questions carry forward.
void TestSession::attemptKeptAndContinued() {
    const QTemporaryDir folder;
    const SubjectCode code = Subjects::code(0, 72, 0.6, 12.3);
    {
        Session session(code);
        session.setRecordFolder(folder.path());
        session.setStudent({"Ana Souza", "20231"});
        QVERIFY(!session.unfinishedAttempt());
        session.setPracticeMode(true);
        session.check(1, {"150"}); // wrong: question 3 carries it forward
        session.flushRecords();    // kept as it is checked, not at the next press
        const RecordFolder::Loaded kept = RecordFolder(folder.path()).load();
        QCOMPARE(kept.attempts.size(), 1);
        QCOMPARE(kept.attempts.front().checks.size(), 1);
        for (int i = 0; i < 4; ++i)
            session.press(steps[i]);
        session.flushRecords();
    }

    Session later(code);
    later.setRecordFolder(folder.path());
    QVERIFY(!later.unfinishedAttempt()); // another student's
    later.setStudent({"Ana Souza", "20231"});
    const std::optional<Attempt> left = later.unfinishedAttempt();
    QVERIFY(left);
    QCOMPARE(left->stage, 4);
    QCOMPARE(left->checks.size(), 1);
    QCOMPARE(left->checks.constFirst().entry, "150");
    Panes panes(later);
    later.continueAttempt(*left);
    QCOMPARE(later.stage().name(), "Q3");
    QVERIFY(later.practiceMode());
    QVERIFY(later.subjectGiven());
    QCOMPARE(panes.questions, Transcript::pane(later.scenario(), later.stage(), Pane::Questions));
    QCOMPARE(later.check(3, {"600"}).constFirst().verdict, Verdict::carriedForward);

    // Finished, it is offered no more; its summary names whose it is.
    for (int i = 4; i < 12; ++i)
        later.press(steps[i]);
    QCOMPARE(plain(later.paneLines(Pane::Answer)).value(0),
             "    Answers of Ana Souza (ID 20231), the first try and the last:");
    later.flushRecords();
    QVERIFY(!later.unfinishedAttempt());
    QCOMPARE(RecordFolder(folder.path()).load().attempts.size(), 1);
}

// A folder that cannot be written is said once; practice goes on.
void TestSession::unwritableRecordsSaidOnce() {
    const QTemporaryDir dir;
    QFile plain(dir.filePath("file"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    Session session(Subjects::code(0, 72, 0.6, 12.3));
    session.setRecordFolder(dir.filePath("file/practice")); // under a plain file
    QSignalSpy said(&session, &Session::recordProblem);
    session.setPracticeMode(true);
    QCOMPARE(session.check(1, {"159.8"}).constFirst().verdict, Verdict::correct);
    session.press(seeanswer1);
    session.flushRecords();
    QTRY_COMPARE(said.size(), 1);
    QTest::qWait(50);
    QCOMPARE(said.size(), 1);
    QVERIFY(said.constFirst().constFirst().toString().contains("practice"));
}

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
