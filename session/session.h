// One student's exercise, below the windows: the subject, the sequence of
// stages, the student, and in practice mode the attempt under way, which
// the session owns whole: its subject, stage, student and checks, kept in
// its record on this computer and, where a hand-in folder is set, there
// too, after every change. Each check is judged from the subject and the
// checks before it. Every change leaves as a signal, in the order it
// happens, for the windows that show it, the narrator that says it and
// whatever else follows it. Qt Core only.
#pragma once

#include "judging/judge.h"
#include "model/subject.h"
#include "records/attempt.h"
#include "stages/questionsequence.h"
#include "stages/transcript.h"

#include <QCoreApplication>
#include <QObject>

#include <memory>
#include <optional>

class RecordWriter;

// Where the attempt is handed in, and how that last went.
struct HandIn {
    Q_DECLARE_TR_FUNCTIONS(HandIn)

public:
    QString folder;                 // empty: not handed in
    QString file;                   // written there last, if any
    QDateTime handedIn;             // when the attempt was last written there, UTC
    std::optional<QString> problem; // why the latest write there failed, if it did

    bool isSet() const { return !folder.isEmpty(); }
    // As the window says it: "Handed in to FOLDER at 15:56.", or why not;
    // empty where no folder is set.
    QString status() const;
    friend bool operator==(const HandIn&, const HandIn&) = default;
};

class Session : public QObject {
    Q_OBJECT

public:
    // Whether the subject was drawn at random for this run, or given (on
    // the command line, from a code, by a continued attempt).
    enum class Origin { Drawn, Given };

    explicit Session(const SubjectCode& code, Origin origin = Origin::Drawn,
                     QObject* parent = nullptr);
    ~Session() override;

    const Subject& subject() const { return m_subject; }
    const SubjectCode& code() const { return m_subject.code(); }
    const Scenario& scenario() const { return m_subject.numbers(); }
    bool subjectGiven() const { return m_origin == Origin::Given; }

    Stage stage() const { return m_sequence.stage(); }
    bool isVisible(Control control) const { return m_sequence.isVisible(control); }
    bool isLive(Control control) const { return m_sequence.isLive(control); }
    int posedQuestion() const { return m_sequence.posedQuestion(); }
    bool isFinished() const { return m_sequence.isFinished(); }
    std::optional<Control> nextStep() const { return m_sequence.nextStep(); }

    bool practiceMode() const { return m_attempt.has_value(); }
    // What `pane` holds now: the transcript at this stage, or at the end of
    // an attempt its summary.
    Lines paneLines(Pane pane) const;
    // The attempt under way in practice mode, null out of it.
    const Attempt* attempt() const { return m_attempt ? &*m_attempt : nullptr; }

    // Whose attempts they are; nobody named by default.
    const Student& student() const { return m_student; }

    // Where practice attempts are kept as records; none by default.
    void setRecordFolder(const QString& path);
    QString recordFolder() const { return m_recordFolder; }
    // An attempt at this subject by this student that was left unfinished,
    // to be offered.
    std::optional<Attempt> unfinishedAttempt() const;

    // Where the attempt is handed in, kept after every change as in the
    // records folder; none by default, and none for an empty path. Hands
    // in the attempt under way at once.
    void setHandInFolder(const QString& path);
    const HandIn& handIn() const { return m_handIn; }

    // Waits for the records handed over to be written; for a hand-in
    // folder, a few seconds at most.
    void flushRecords();

public slots:
    // Performs every step of the press, in order; false, with nothing
    // changed, for a control that is not live at this stage.
    bool press(Control control);
    // Starts again with another subject: its statement and question 1 alone,
    // and in practice mode a new attempt at it.
    void setSubject(const SubjectCode& code, Origin origin);
    // On, a new attempt at this subject from where the exercise stands.
    void setPracticeMode(bool on);
    // Practice mode, the subject and the stage of `attempt`, and its record
    // carried on, its checks as the judge replays them.
    void continueAttempt(const Attempt& attempt);
    // The student named in the records from now on, the attempt under way's too.
    void setStudent(const Student& student);
    // Judges the student's entries for the question posed; nothing for any
    // other question, or out of practice mode.
    QList<FieldCheck> check(int question, const QStringList& entries);

signals:
    void subjectChanged(const SubjectCode& code); // before the start is printed
    void cleared(Pane pane);
    void printed(Pane pane, const Lines& lines);
    void controlShown(Control control, bool visible);
    // After the last step of a press, a new start or a continued attempt.
    void stageChanged(Stage stage);
    void pathwayRequested(Pathway pathway);
    void practiceModeChanged(bool on);
    void checked(int question, const QList<FieldCheck>& checks);
    // The last stage is reached; the summary, printed into the answer pane
    // just before, is empty out of practice mode.
    void finished(const Lines& summary);
    // The record cannot be written; said once a session, practice goes on.
    void recordProblem(const QString& message);
    // The hand-in folder was set, or the attempt was written there, or
    // could not be.
    void handInChanged(const HandIn& handIn);
    // The attempt cannot be handed in: said once until it is handed in
    // again; the record on this computer is kept all the same.
    void handInProblem(const QString& message);

private:
    void perform(const Step& step);
    void show(Stage stage);
    Lines summary() const;
    void startAttempt(); // at this subject, from this stage, by this student
    void keepRecord();
    void handedIn(const QString& file, const QDateTime& updated);
    void notHandedIn(const QString& message);

    Subject m_subject;
    Origin m_origin;
    QuestionSequence m_sequence;
    Student m_student;
    std::optional<Attempt> m_attempt;
    QString m_recordFolder;
    std::unique_ptr<RecordWriter> m_writer;
    bool m_problemSaid = false;
    HandIn m_handIn;
    std::unique_ptr<RecordWriter> m_handInWriter;
};
