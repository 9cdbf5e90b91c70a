// The exercise window: question pane, answer pane, logo and the column of
// buttons. It builds its controls from its layout table, prints the
// problem statement for its Scenario, and wires each button to the
// question sequence.
#pragma once

#include "formwindow.h"
#include "model/scenario.h"
#include "pathwaywindow.h"
#include "stages/questionsequence.h"

#include <array>
#include <memory>

class Announcer;
class AnswerForm;
class Practice;
class QAction;
class QPushButton;
class TeacherActions;
class TextPane;

class ExerciseWindow : public FormWindow, private ExerciseSurface {
    Q_OBJECT

public:
    explicit ExerciseWindow(const Scenario& scenario, QWidget* parent = nullptr);
    ~ExerciseWindow() override;

    const Scenario& scenario() const { return m_scenario; }
    // Starts the exercise again with another subject: the statement and
    // question 1 alone, only "See answer 1" and "end", pathways put away.
    void setSubject(const Scenario& scenario);
    TeacherActions* teacher() const { return m_teacher; }
    TextPane* questionPane() const { return m_questionPane; }
    TextPane* answerPane() const { return m_answerPane; }
    QPushButton* button(Control control) const;

    // The pathway window, or null while its button has never been pressed.
    PathwayWindow* pathwayWindow(Pathway pathway) const;

    void showPathway(Pathway pathway) override;
    void end();

    // Practice mode: while a question is posed, the answer pane's place
    // holds a form for the student's own answers, which are checked in the
    // subject's numbers; the last step sums up the first verdicts.
    bool practiceMode() const;
    void setPracticeMode(bool on);
    AnswerForm* answerForm() const; // the form shown now, if any

protected:
    QList<QAction*> contextActions() const override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void begin();
    void press(Control button);
    QPushButton* nextStep() const; // the answer button shown now, if any
    void focusNextStep();
    void showPrinted(qsizetype questionLinesBefore);
    // Speaks the lines to a screen reader, blank ones left out, as one message.
    void announce(const QStringList& lines);
    // At the first line from `fromLine` on that has words, if any.
    static void placeCaret(TextPane* pane, qsizetype fromLine);
    // Shows the form of the question posed, if any, in practice mode.
    void showAnswerForm(bool focus);
    QStringList practiceSummary();

    void clearAnswer() override;
    void setControlVisible(Control control, bool visible) override;
    void printAnswer(const PrintLine& line) override;
    void printQuestion(const PrintLine& line) override;

    Scenario m_scenario;
    QuestionSequence m_sequence;
    TextPane* m_questionPane = nullptr;
    TextPane* m_answerPane = nullptr;
    Announcer* m_announcer = nullptr;
    bool m_greeted = false;
    int m_answerPrints = 0; // lines printed into the answer pane so far
    std::array<QPushButton*, size_t(Control::answerPane)> m_buttons{};
    QList<std::pair<QWidget*, bool>> m_shownAtStart; // every control, and whether
    std::array<std::unique_ptr<PathwayWindow>, 2> m_pathways;
    TeacherActions* m_teacher = nullptr;
    QAction* m_practiceAction = nullptr;
    QList<QAction*> m_ownActions;         // the context menu's, before the view's
    std::unique_ptr<Practice> m_practice; // the student's answers, while practising
    std::array<AnswerForm*, 6> m_forms{}; // made when first needed
};
