// The teacher's items of the exercise window: a new subject, a subject from
// its code, the code copied, and the exercise on paper, printed or exported;
// and the student's result slip, in practice mode.
// They act on the session; dialogs and messages belong to `parent`.
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

    QList<QAction*> actions() const { return m_actions; } // for the context menu

    void newSubject();      // a new random subject
    void askForSubject();   // the subject of a code the teacher gives
    void copySubjectCode(); // to the clipboard
    void print();           // the worksheet or the key, through the print dialog
    void exportPdf();       // the same, as a PDF through the file dialog
    // Writes the sheet for the session's subject; says so in a message box
    // when it cannot.
    bool exportPdf(Sheet sheet, const QString& fileName);
    void exportResultSlip(); // the attempt's, through the file dialog
    bool exportResultSlip(const QString& fileName);

private:
    // Which sheet, asked of the teacher; none when they cancel.
    std::optional<Sheet> askSheet(const QString& title);
    QString code() const;
    QString suggestedName(Sheet sheet) const; // "korvanel-M72-0.8-12.4-key.pdf"
    // A PDF's name asked of the teacher, ".pdf" added where it has no ending;
    // empty when they cancel.
    QString askFileName(const QString& title, const QString& suggested);

    Session& m_session;
    QWidget& m_parent;
    QList<QAction*> m_actions;
};
