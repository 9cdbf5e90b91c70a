#include "teacheractions.h"

#include "model/clockdraws.h"
#include "session/session.h"
#include "subjectdialog.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

TeacherActions::TeacherActions(Session& session, QWidget& parent)
    : QObject(&parent)
    , m_session(session)
    , m_parent(parent) {
    const auto add = [this](const QString& text, const QKeySequence& shortcut,
                            void (TeacherActions::*slot)()) {
        auto* action = new QAction(text, &m_parent);
        action->setShortcut(shortcut);
        m_parent.addAction(action);
        connect(action, &QAction::triggered, this, slot);
        m_actions.append(action);
    };
    add(tr("&New subject"), QKeySequence::New, &TeacherActions::newSubject);
    add(tr("Subject from &code…"), QKeySequence(), &TeacherActions::askForSubject);
    add(tr("Cop&y subject code"), QKeySequence(), &TeacherActions::copySubjectCode);
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    m_actions.append(separator);
    add(tr("&Print…"), QKeySequence::Print, &TeacherActions::print);
    add(tr("&Export PDF…"), QKeySequence(), qOverload<>(&TeacherActions::exportPdf));
    add(tr("Export result &slip…"), QKeySequence(), qOverload<>(&TeacherActions::exportResultSlip));
    // A student's results exist only in practice mode.
    QAction* slip = m_actions.constLast();
    slip->setEnabled(session.practiceMode());
    connect(&session, &Session::practiceModeChanged, slip, &QAction::setEnabled);
}

QString TeacherActions::code() const {
    return m_session.code().text();
}

void TeacherActions::newSubject() {
    ClockDraws draws;
    m_session.setSubject(SubjectCode::draw(std::ref(draws)));
}

void TeacherActions::askForSubject() {
    SubjectDialog dialog(&m_parent);
    if (dialog.exec() == QDialog::Accepted && dialog.code())
        m_session.setSubject(*dialog.code(), Session::Origin::Given);
}

void TeacherActions::copySubjectCode() {
    QGuiApplication::clipboard()->setText(code());
}

std::optional<Sheet> TeacherActions::askSheet(const QString& title) {
    QMessageBox ask(
        QMessageBox::Question, title,
        tr("The worksheet, to hand out, or the answer key, for subject %1?").arg(code()),
        QMessageBox::Cancel, &m_parent);
    QPushButton* worksheet = ask.addButton(tr("&Worksheet"), QMessageBox::AcceptRole);
    QPushButton* key = ask.addButton(tr("Answer &key"), QMessageBox::AcceptRole);
    ask.setDefaultButton(worksheet);
    ask.exec();
    if (ask.clickedButton() == worksheet)
        return Sheet::Worksheet;
    if (ask.clickedButton() == key)
        return Sheet::Key;
    return std::nullopt;
}

void TeacherActions::print() {
    const std::optional<Sheet> sheet = askSheet(tr("Print"));
    if (!sheet)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(Paper::pageLayout());
    // The print dialog suggests this, less what follows its last point, for a
    // file: the code's own points stay.
    printer.setDocName(suggestedName(*sheet));
    QPrintDialog dialog(&printer, &m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QString error;
    if (!Paper::print(printer, *sheet, {m_session.code()}, &error))
        QMessageBox::warning(&m_parent, tr("Print"), tr("Nothing was printed. %1").arg(error));
}

void TeacherActions::exportPdf() {
    const std::optional<Sheet> sheet = askSheet(tr("Export PDF"));
    if (!sheet)
        return;
    const QString fileName = askFileName(tr("Export PDF"), suggestedName(*sheet));
    if (!fileName.isEmpty())
        exportPdf(*sheet, fileName);
}

QString TeacherActions::suggestedName(Sheet sheet) const {
    return QStringLiteral("korvanel-%1-%2.pdf")
        .arg(code(), sheet == Sheet::Key ? QStringLiteral("key") : QStringLiteral("worksheet"));
}

QString TeacherActions::askFileName(const QString& title, const QString& suggested) {
    QString fileName = QFileDialog::getSaveFileName(
        &m_parent, title, QDir(Paper::documentsFolder()).filePath(suggested),
        tr("PDF files (*.pdf)"));
    if (!fileName.isEmpty() && QFileInfo(fileName).suffix().isEmpty())
        fileName += QStringLiteral(".pdf");
    return fileName;
}

void TeacherActions::exportResultSlip() {
    if (!m_session.attempt())
        return;
    const QString fileName = askFileName(tr("Export result slip"),
                                         QStringLiteral("korvanel-%1-results.pdf").arg(code()));
    if (!fileName.isEmpty())
        exportResultSlip(fileName);
}

bool TeacherActions::exportResultSlip(const QString& fileName) {
    QString error;
    if (m_session.attempt() && Paper::writeResultSlip(*m_session.attempt(), fileName, &error))
        return true;
    QMessageBox::warning(&m_parent, tr("Export result slip"),
                         tr("No result slip was written. %1").arg(error));
    return false;
}

bool TeacherActions::exportPdf(Sheet sheet, const QString& fileName) {
    QString error;
    if (Paper::writePdf({{sheet, fileName}}, {m_session.code()}, &error))
        return true;
    QMessageBox::warning(&m_parent, tr("Export PDF"), tr("No PDF was written. %1").arg(error));
    return false;
}
