#include "practicedialogs.h"

#include "model/language.h"
#include "session/session.h"
#include "studentbook.h"
#include "studentdialog.h"

#include <QAction>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

PracticeDialogs::PracticeDialogs(Session& session, QWidget& parent)
    : QObject(&parent)
    , m_session(session)
    , m_parent(parent)
    , m_nameAction(new QAction(tr("Yo&ur name\u2026"), &parent)) {
    connect(m_nameAction, &QAction::triggered, this, &PracticeDialogs::askForName);
    connect(&session, &Session::recordProblem, this, &PracticeDialogs::sayRecordProblem);
}

void PracticeDialogs::sayRecordProblem(const QString& message) {
    // Said once a session (Session::recordProblem), here as well as to a
    // screen reader (Narrator).
    auto* box =
        new QMessageBox(QMessageBox::Warning, tr("Practice mode"),
                        //: %1 says why, in a sentence of its own that names the record.
                        tr("Your answers cannot be kept. %1 Practice goes on.").arg(message),
                        QMessageBox::Ok, &m_parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void PracticeDialogs::setStudentBook(StudentBook* book) {
    m_book = book;
    if (m_book && !m_session.student().isNamed())
        m_session.setStudent(m_book->student());
}

bool PracticeDialogs::start() {
    if (m_session.practiceMode())
        return true;
    if (m_book && !m_session.student().isNamed() && !askForName())
        return false;
    bool continued = false;
    if (!offerUnfinished(&continued))
        return false;
    if (!continued)
        m_session.setPracticeMode(true);
    return true;
}

bool PracticeDialogs::askForName() {
    StudentDialog dialog(m_session.student(), &m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    m_session.setStudent(dialog.student());
    if (m_book)
        m_book->remember(dialog.student());
    return true;
}

bool PracticeDialogs::offerUnfinished(bool* continued) {
    const std::optional<Attempt> unfinished = m_session.unfinishedAttempt();
    if (!unfinished)
        return true;
    const Stage stage = Stage::fromIndex(unfinished->stage).value_or(Stage());
    const QString code = unfinished->code.text();
    const QString when = Language::dates().toString(unfinished->started.toLocalTime(),
                                                      QLocale::ShortFormat);
    const QString number = QString::number(std::max(stage.posedQuestion(), stage.shownAnswer()));
    QMessageBox ask(
        QMessageBox::Question, tr("Practice mode"),
        stage.posedQuestion()
            //: %2 is a date and time, %3 the question's number.
            ? tr("You started practising subject %1 on %2 and stopped at question %3. Continue "
                 "where you stopped?")
                  .arg(code, when, number)
            //: %2 is a date and time, %3 the number of the answer shown.
            : tr("You started practising subject %1 on %2 and stopped at answer %3. Continue "
                 "where you stopped?")
                  .arg(code, when, number),
        QMessageBox::Cancel, &m_parent);
    QPushButton* resume = ask.addButton(tr("&Continue"), QMessageBox::AcceptRole);
    QPushButton* afresh = ask.addButton(tr("Start &again"), QMessageBox::AcceptRole);
    ask.setDefaultButton(resume);
    ask.exec();
    if (ask.clickedButton() == resume) {
        m_session.continueAttempt(*unfinished);
        *continued = true;
        return true;
    }
    return ask.clickedButton() == afresh;
}
