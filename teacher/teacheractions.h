// The teacher's items of the exercise window's menu: a new subject, a
// subject from its code, the code copied, the exercise on paper, printed
// or exported, and Korvanel for teachers, which whoever owns it opens.
// They act on the session; dialogs and messages belong to `parent`, whose
// actions these are.
#pragma once

#include "paper/paper.h"

#include <QObject>

#include <optional>

class QAction;
class QWidget;
class Session;

class TeacherActions : public QObject {
    Q_OBJECT

public:
    TeacherActions(Session& session, QWidget& parent);

    // For the context menu, in its order, a separator between the subject's
    // items and paper's.
    QList<QAction*> actions() const { return m_actions; }
    QAction* forTeachersAction() const { return m_forTeachers; }

    void newSubject();      // a new random subject
    void askForSubject();   // the subject of a code the teacher gives
    void copySubjectCode(); // to the clipboard
    void print();           // the worksheet or the key, through the print dialog
    void exportPdf();       // the same, as a PDF through the file dialog
    // Writes the sheet for the session's subject; says so in a message box
    // when it cannot.
    bool exportPdf(Sheet sheet, const QString& fileName);

signals:
    // "For teachers…": Korvanel for teachers, to be shown.
    void teacherWindowRequested();

private:
    // Which sheet, asked of the teacher; none when they cancel.
    std::optional<Sheet> askSheet(const QString& title);
    QString code() const;
    QString suggestedName(Sheet sheet) const; // "korvanel-M72-0.8-12.4-key.pdf"

    Session& m_session;
    QWidget& m_parent;
    QList<QAction*> m_actions;
    QAction* m_forTeachers;
};
