#include "practiceactions.h"

#include "handinsettings.h"
#include "model/language.h"
#include "panes/savefilename.h"
#include "paper/paper.h"
#include "records/recordfolder.h"
#include "session/session.h"
#include "studentbook.h"
#include "studentdialog.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <QWidget>

PracticeActions::PracticeActions(Session& session, QWidget& parent)
    : QObject(&parent)
    , m_session(session)
    , m_parent(parent) {
    const auto add = [this](const QString& text, const QKeySequence& shortcut = {}) {
        auto* action = new QAction(text, &m_parent);
        action->setShortcut(shortcut);
        m_parent.addAction(action);
        return action;
    };
    m_practice = add(tr("Pr&actice mode"), QKeySequence(Qt::CTRL | Qt::Key_T));
    m_practice->setCheckable(true);
    m_name = add(tr("Yo&ur name\u2026"));
    m_resultSlip = add(tr("Export result &slip\u2026"));
    //: Gives the attempt's record to the teacher, into a folder the teacher reads.
    m_handIn = add(tr("&Hand in\u2026"));
    //: Opens the folder of this computer's practice records in the file manager.
    m_records = add(tr("Show &my records"));

    connect(m_practice, &QAction::triggered, this, &PracticeActions::requestPractice);
    connect(m_name, &QAction::triggered, this, &PracticeActions::askForName);
    connect(m_resultSlip, &QAction::triggered, this,
            qOverload<>(&PracticeActions::exportResultSlip));
    connect(m_handIn, &QAction::triggered, this, &PracticeActions::handIn);
    connect(m_records, &QAction::triggered, this, &PracticeActions::showRecords);
    connect(&session, &Session::practiceModeChanged, this, &PracticeActions::showPracticeMode);
    connect(&session, &Session::recordProblem, this, &PracticeActions::sayRecordProblem);
    connect(&session, &Session::handInProblem, this, &PracticeActions::sayHandInProblem);
    showPracticeMode();
}

// The one place the items follow practice mode from.
void PracticeActions::showPracticeMode() {
    const bool on = m_session.practiceMode();
    m_practice->setChecked(on);
    // A student's results exist only in practice mode.
    m_resultSlip->setEnabled(on);
    m_handIn->setEnabled(on);
}

void PracticeActions::requestPractice(bool on) {
    if (on)
        start();
    else
        m_session.setPracticeMode(false);
    showPracticeMode();
}

void PracticeActions::setStudentBook(StudentBook* book) {
    m_book = book;
    if (m_book && !m_session.student().isNamed())
        m_session.setStudent(m_book->student());
}

void PracticeActions::setHandInSettings(HandInSettings* settings) {
    m_handInSettings = settings;
    if (settings && !m_handInForRun && !settings->folder().isEmpty())
        m_session.setHandInFolder(settings->folder());
}

void PracticeActions::setHandInFolderForRun(const QString& folder) {
    m_handInForRun = true;
    m_session.setHandInFolder(folder);
}

bool PracticeActions::start() {
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

bool PracticeActions::askForName() {
    StudentDialog dialog(m_session.student(), &m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    m_session.setStudent(dialog.student());
    if (m_book)
        m_book->remember(dialog.student());
    return true;
}

bool PracticeActions::offerUnfinished(bool* continued) {
    const std::optional<Attempt> unfinished = m_session.unfinishedAttempt();
    if (!unfinished)
        return true;
    const Stage stage = Stage::fromIndex(unfinished->stage).value_or(Stage());
    const QString code = unfinished->code.text();
    const QString when =
        Language::dates().toString(unfinished->started.toLocalTime(), QLocale::ShortFormat);
    const QString number = QString::number(stage.reachedQuestion());
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

void PracticeActions::exportResultSlip() {
    if (!m_session.attempt())
        return;
    const QString fileName = askSaveFileName(
        &m_parent, tr("Export result slip"),
        QDir(Paper::documentsFolder())
            .filePath(QStringLiteral("korvanel-%1-results.pdf").arg(m_session.code().text())),
        tr("PDF files (*.pdf)"));
    if (!fileName.isEmpty())
        exportResultSlip(fileName);
}

bool PracticeActions::exportResultSlip(const QString& fileName) {
    QString error;
    if (m_session.attempt() && Paper::writeResultSlip(*m_session.attempt(), fileName, &error))
        return true;
    QMessageBox::warning(&m_parent, tr("Export result slip"),
                         tr("No result slip was written. %1").arg(error));
    return false;
}

void PracticeActions::handIn() {
    if (!m_session.attempt())
        return;
    const QString current = m_session.handIn().folder;
    const bool mayChoose =
        !m_handInForRun && (!m_handInSettings || m_handInSettings->studentMayChoose());
    if (!mayChoose) {
        // The school's folder, or the one this run was given: handed in there again now.
        m_session.setHandInFolder(current);
        const QString folder = QDir::toNativeSeparators(current);
        QMessageBox::information(
            &m_parent, tr("Hand in"),
            m_handInForRun
                //: %1 is a folder, given on the command line that started the program.
                ? tr("Your attempt is handed in to %1, the folder set for this run, and again "
                     "after every check.")
                      .arg(folder)
                //: %1 is a folder.
                : tr("Your attempt is handed in to %1, the folder your school set, and again "
                     "after every check.")
                      .arg(folder));
        return;
    }
    const QString folder =
        QFileDialog::getExistingDirectory(&m_parent, tr("Hand in to a folder"),
                                          current.isEmpty() ? Paper::documentsFolder() : current);
    if (folder.isEmpty())
        return;
    if (m_handInSettings)
        m_handInSettings->choose(folder);
    m_session.setHandInFolder(folder);
}

void PracticeActions::showRecords() {
    const QString folder = m_session.recordFolder();
    if (folder.isEmpty() || !QDir().mkpath(folder) ||
        !QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        QMessageBox::information(
            &m_parent, tr("Show my records"),
            //: %1 is a folder; the file manager could not be started.
            tr("Your practice records are in %1.").arg(QDir::toNativeSeparators(folder)));
}

void PracticeActions::sayRecordProblem(const QString& message) {
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

void PracticeActions::sayHandInProblem(const QString& message) {
    // Said once until it is handed in again (Session::handInProblem), here
    // as well as to a screen reader (Narrator).
    auto* box = new QMessageBox(
        QMessageBox::Warning, tr("Hand in"),
        //: %1 says why, in a sentence of its own that names the folder.
        tr("Your attempt cannot be handed in. %1 It is kept on this computer, and handed in "
           "again at the next check.")
            .arg(message),
        QMessageBox::Ok, &m_parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
