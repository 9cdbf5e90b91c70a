// The exercise window: question pane, answer pane, logo and the column of
// buttons, built from its layout table. It shows a session: what the
// session prints goes into the panes, what it shows and hides is shown and
// hidden, and a button's click is the session's press. In practice mode the
// forms stand at the answer pane's place, with where the attempt was last
// handed in, and at the end "Hand in…" stands beside the summary. Beyond
// that it keeps the keyboard's place (the focus follows the walk) and
// brings what was printed into view. Its menu's own items, and their
// dialogs, are whoever owns it's.
#pragma once

#include "formwindow.h"
#include "session/session.h"

#include <array>
#include <memory>

class AnswerForm;
class PathwayWindow;
class PracticePanel;
class QAction;
class QLabel;
class QPushButton;
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
    TextPane* questionPane() const { return m_questionPane; }
    TextPane* answerPane() const { return m_answerPane; }
    QPushButton* button(Control control) const;

    // The pathway window, or null while its button has never been pressed.
    PathwayWindow* pathwayWindow(Pathway pathway) const;
    void showPathway(Pathway pathway);
    void end();

    // The practice form shown now, if any.
    AnswerForm* answerForm() const;
    // Where the attempt was last handed in, as the window says it; empty
    // where it is not handed in.
    QString handInStatus() const;
    // "Hand in…" at the end of an attempt: `action`'s, which must be this
    // window's.
    void setHandInAction(QAction* action);
    QPushButton* handInButton() const { return m_handInButton; }

    // The context menu's items before its view items, separators among them.
    void setMenuActions(const QList<QAction*>& actions);

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
    void showHandIn();
    void focusNextStep();
    void spliceTabOrder(AnswerForm* form);
    void showPrinted();
    void showTitle();
    TextPane* pane(Pane pane) const;
    QColor colour(Pane pane, Ink ink) const; // invalid for the pane's own

    std::unique_ptr<Session> m_ownSession;
    Session* m_session;
    TextPane* m_questionPane = nullptr;
    TextPane* m_answerPane = nullptr;
    std::array<QPushButton*, size_t(Control::answerPane)> m_buttons{};
    std::array<std::unique_ptr<PathwayWindow>, 2> m_pathways;
    PracticePanel* m_practice = nullptr;   // made when practice first starts
    QPushButton* m_handInButton = nullptr; // beside the summary, made when first needed
    QLabel* m_handInEnd = nullptr;         // under it, where the attempt was handed in
    QAction* m_handInAction = nullptr;
    QList<QAction*> m_menuActions; // the context menu's, before the view's

    // What the press or new start under way printed: the first line in
    // each pane, and whether the focus follows the walk.
    std::array<qsizetype, 2> m_printedFrom{-1, -1};
    bool m_followFocus = false;
};
