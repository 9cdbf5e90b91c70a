// The student's items of the exercise window's menu, and their dialogs:
// practice mode on and off (before it starts, whose attempt it is, the
// first time on a computer, and whether to continue an attempt at this
// subject that was left unfinished), the student's name, the result slip,
// handing in and the records folder shown in the file manager; and, said
// once, that the records cannot be kept or the attempt cannot be handed
// in. Dialogs belong to `parent`, whose actions these are; the choices go
// to the session.
#pragma once

#include <QObject>

class HandInSettings;
class QAction;
class QWidget;
class Session;
class StudentBook;

class PracticeActions : public QObject {
    Q_OBJECT

public:
    PracticeActions(Session& session, QWidget& parent);

    // For the context menu, in its order.
    QAction* practiceAction() const { return m_practice; }
    QAction* nameAction() const { return m_name; }
    QAction* resultSlipAction() const { return m_resultSlip; }
    QAction* handInAction() const { return m_handIn; }
    QAction* recordsAction() const { return m_records; }

    // Where the student is remembered between runs; none by default, and
    // then nobody is asked for a name.
    void setStudentBook(StudentBook* book);
    // Where the student hands in; none by default, and then a folder chosen
    // lasts for the run. A folder given for the run (on the command line)
    // stands whatever the settings say.
    void setHandInSettings(HandInSettings* settings);
    void setHandInFolderForRun(const QString& folder);

    // Practice mode on, once the student is named and has chosen between
    // continuing and starting again; false, with practice mode as it was,
    // when the student cancels either question.
    bool start();
    // Asks for the student's name; false when cancelled.
    bool askForName();
    // The attempt's result slip, through the file dialog, or to `fileName`;
    // false, said in a message box, when it cannot be written.
    void exportResultSlip();
    bool exportResultSlip(const QString& fileName);
    // Chooses where to hand in, where the student may, and hands in there.
    void handIn();
    // Opens the folder of this computer's records in the file manager.
    void showRecords();

private:
    void requestPractice(bool on);
    void showPracticeMode();
    bool offerUnfinished(bool* continued);
    void sayRecordProblem(const QString& message);
    void sayHandInProblem(const QString& message);

    Session& m_session;
    QWidget& m_parent;
    StudentBook* m_book = nullptr;
    HandInSettings* m_handInSettings = nullptr;
    bool m_handInForRun = false;
    QAction* m_practice;
    QAction* m_name;
    QAction* m_resultSlip;
    QAction* m_handIn;
    QAction* m_records;
};
