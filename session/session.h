// One student's exercise, below the windows: the subject (its code is its
// identity, its numbers are derived from it), the sequence of stages, and
// practice mode with its judging. Every change leaves as a signal, in the
// order it happens, for the windows that show it, the narrator that says
// it and whatever keeps a record of it. Qt Core only.
#pragma once

#include "judging/practice.h"
#include "model/scenario.h"
#include "model/subjectcode.h"
#include "stages/questionsequence.h"
#include "stages/transcript.h"

#include <QObject>

#include <memory>

class Session : public QObject {
    Q_OBJECT

public:
    explicit Session(const SubjectCode& code, QObject* parent = nullptr);
    ~Session() override;

    const SubjectCode& code() const { return m_code; }
    const Scenario& scenario() const { return m_scenario; }

    Stage stage() const { return m_sequence.stage(); }
    bool isVisible(Control control) const { return m_sequence.isVisible(control); }
    bool isLive(Control control) const { return m_sequence.isLive(control); }
    int posedQuestion() const { return m_sequence.posedQuestion(); }
    bool isFinished() const { return m_sequence.isFinished(); }
    std::optional<Control> nextStep() const { return m_sequence.nextStep(); }

    bool practiceMode() const { return m_practice != nullptr; }
    const Practice* practice() const { return m_practice.get(); }

public slots:
    // Performs every step of the press, in order; false, with nothing
    // changed, for a control that is not live at this stage.
    bool press(Control control);
    // Starts again with another subject: its statement and question 1 alone.
    void setSubject(const SubjectCode& code);
    void setPracticeMode(bool on);
    // Judges the student's entries for the question posed; nothing for any
    // other question, or out of practice mode.
    QList<FieldCheck> check(int question, const QStringList& entries);

signals:
    void subjectChanged(const SubjectCode& code); // before the start is printed
    void cleared(Pane pane);
    void printed(Pane pane, const Lines& lines);
    void controlShown(Control control, bool visible);
    // After the last step of a press or of a new start.
    void stageChanged(Stage stage);
    void pathwayRequested(Pathway pathway);
    void practiceModeChanged(bool on);
    void checked(int question, const QList<FieldCheck>& checks);
    // The last stage is reached; the summary, printed into the answer pane
    // just before, is empty out of practice mode.
    void finished(const Lines& summary);

private:
    void perform(const Step& step);

    SubjectCode m_code;
    Scenario m_scenario;
    QuestionSequence m_sequence;
    std::unique_ptr<Practice> m_practice;
};
