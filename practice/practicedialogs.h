// Practice mode's dialogs: before it starts, whose attempt it is (the first
// time on a machine) and whether to continue an attempt at this subject
// that was left unfinished; and, once a session, that the records cannot
// be kept. They belong to `parent`; the choices go to the session.
#pragma once

#include <QObject>

class QAction;
class QWidget;
class Session;
class StudentBook;

class PracticeDialogs : public QObject {
    Q_OBJECT

public:
    PracticeDialogs(Session& session, QWidget& parent);

    // Where the student is remembered between runs; none by default, and
    // then nobody is asked for a name.
    void setStudentBook(StudentBook* book);

    // Practice mode on, once the student is named and has chosen between
    // continuing and starting again; false, with practice mode as it was,
    // when the student cancels either question.
    bool start();
    // Asks for the student's name; false when cancelled.
    bool askForName();

    // "Your name…", for the context menu.
    QAction* nameAction() const { return m_nameAction; }

private:
    void sayRecordProblem(const QString& message);
    // Continues the unfinished attempt, if any and the student wants;
    // false when the student cancels.
    bool offerUnfinished(bool* continued);

    Session& m_session;
    QWidget& m_parent;
    StudentBook* m_book = nullptr;
    QAction* m_nameAction;
};
