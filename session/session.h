// One student's exercise, below the windows: the subject (its code is its
// identity, its numbers are derived from it), the sequence of stages, the
// student, and practice mode with the checks of the attempt under way. The
// attempt's record is made of these whenever it is written, and each check
// is judged from the subject and the checks before it. Every change leaves
// as a signal, in the order it happens, for the windows that show it, the
// narrator that says it and whatever else follows it. Qt Core only.
#pragma once

#include "judging/attempt.h"
#include "judging/judge.h"
#include "model/scenario.h"
#include "model/subjectcode.h"
#include "stages/questionsequence.h"
#include "stages/transcript.h"

#include <QObject>

#include <memory>
#include <optional>

class RecordWriter;

class Session : public QObject {
    Q_OBJECT

public:
    // Whether the subject was drawn at random for this run, or given (on
    // the command line, from a code, by a continued attempt).
    enum class Origin { Drawn, Given };

    explicit Session(const SubjectCode& code, Origin origin = Origin::Drawn,
                     QObject* parent = nullptr);
    ~Session() override;

    const SubjectCode& code() const { return m_code; }
    const Scenario& scenario() const { return m_scenario; }
    bool subjectGiven() const { return m_origin == Origin::Given; }

    Stage stage() const { return m_sequence.stage(); }
    bool isVisible(Control control) const { return m_sequence.isVisible(control); }
    bool isLive(Control control) const { return m_sequence.isLive(control); }
    int posedQuestion() const { return m_sequence.posedQuestion(); }
    bool isFinished() const { return m_sequence.isFinished(); }
    std::optional<Control> nextStep() const { return m_sequence.nextStep(); }

    bool practiceMode() const { return m_practice.has_value(); }
    // What `pane` holds now: the transcript at this stage, or at the end of
    // an attempt its summary.
    Lines paneLines(Pane pane) const;
    // The attempt under way in practice mode: this subject, this stage, this
    // student and the checks made.
    std::optional<Attempt> attempt() const;

    // Whose attempts they are; nobody named by default.
    const Student& student() const { return m_student; }

    // Where practice attempts are kept as records; none by default.
    void setRecordFolder(const QString& path);
    QString recordFolder() const { return m_recordFolder; }
    // An attempt at this subject by this student that was left unfinished,
    // to be offered.
    std::optional<Attempt> unfinishedAttempt() const;
    // Waits for the records handed over to be written.
    void flushRecords();

public slots:
    // Performs every step of the press, in order; false, with nothing
    // changed, for a control that is not live at this stage.
    bool press(Control control);
    // Starts again with another subject: its statement and question 1 alone.
    void setSubject(const SubjectCode& code, Origin origin = Origin::Given);
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

private:
    // The attempt under way, less what the session holds itself.
    struct Practising {
        QDateTime started, updated; // UTC
        QList<CheckEntry> checks;
    };

    void perform(const Step& step);
    void show(Stage stage);
    Lines summary() const;
    void keepRecord();

    SubjectCode m_code;
    Scenario m_scenario; // of m_code, computed once
    Origin m_origin;
    QuestionSequence m_sequence;
    Student m_student;
    std::optional<Practising> m_practice;
    QString m_recordFolder;
    std::unique_ptr<RecordWriter> m_writer;
    bool m_problemSaid = false;
};
