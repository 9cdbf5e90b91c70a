// The exercise window: question pane, answer pane, logo and the column of
// buttons, built from its layout table. It shows a session: what the
// session prints goes into the panes, what it shows and hides is shown and
// hidden, and a button's click is the session's press. Beyond that it
// keeps the keyboard's place (the focus follows the walk) and brings what
// was printed into view.
#pragma once

#include "formwindow.h"
#include "session/session.h"

#include <array>
#include <memory>

class AnswerForm;
class PathwayWindow;
class PracticePanel;
class PracticeDialogs;
class StudentBook;
class TeacherWindow;
class QAction;
class QPushButton;
class TeacherActions;
class TextPane;

class ExerciseWindow : public FormWindow {
    Q_OBJECT

public:
    // A window with a session of its own for the subject of `code`.
    explicit ExerciseWindow(const SubjectCode& code, QWidget* parent = nullptr);
    // A window showing `session`, wherever it stands.
    explicit ExerciseWindow(Session& session, QWidget* parent = nullptr);
    ~ExerciseWindow() override;

    Session& session() const { return *m_session; }
    TeacherActions* teacher();
    TextPane* questionPane() const { return m_questionPane; }
    TextPane* answerPane() const { return m_answerPane; }
    QPushButton* button(Control control) const;

    // The pathway window, or null while its button has never been pressed.
    PathwayWindow* pathwayWindow(Pathway pathway) const;
    void showPathway(Pathway pathway);
    void end();

    // The practice form shown now, if any.
    AnswerForm* answerForm() const;
    // Practice mode on or off as the student asks: on, the student is asked
    // for a name the first time (with a book to remember it in), and an
    // unfinished attempt at this subject is offered to be continued.
    void startPractice(bool on);
    void setStudentBook(StudentBook* book);

    // The teacher's window, made when first asked for.
    TeacherWindow* teacherWindow();
    void showTeacherWindow();

protected:
    QList<QAction*> contextActions() const override;
    void closeEvent(QCloseEvent* event) override;

private:
    void build();
    void showSession();
    void click(Control control);
    void print(Pane pane, const Lines& lines);
    void clear(Pane pane);
    void setControlVisible(Control control, bool visible);
    void stageChanged();
    void subjectChanged();
    void practiceModeChanged(bool on);
    void showPractice(bool focus);
    void focusNextStep();
    void spliceTabOrder(AnswerForm* form);
    void showPrinted();
    void showTitle();
    TextPane* pane(Pane pane) const;
    QColor colour(Pane pane, Ink ink) const; // invalid for the pane's own

    std::unique_ptr<Session> m_ownSession;
    Session* m_session;
    PracticeDialogs* m_practiceDialogs = nullptr;
    std::unique_ptr<TeacherWindow> m_teacherWindow;
    TextPane* m_questionPane = nullptr;
    TextPane* m_answerPane = nullptr;
    std::array<QPushButton*, size_t(Control::answerPane)> m_buttons{};
    std::array<std::unique_ptr<PathwayWindow>, 2> m_pathways;
    PracticePanel* m_practice = nullptr; // made when practice first starts
    TeacherActions* m_teacher = nullptr;
    QAction* m_practiceAction = nullptr;
    QList<QAction*> m_ownActions; // the context menu's, before the view's

    // What the press or new start under way printed: the first line in
    // each pane, and whether the focus follows the walk.
    std::array<qsizetype, 2> m_printedFrom{-1, -1};
    bool m_followFocus = false;
};
