#include "teacheractions.h"

#include "model/clockdraws.h"
#include "panes/savefilename.h"
#include "session/session.h"
#include "windows/subjectdialog.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
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
    m_forTeachers = new QAction(tr("For &teachers\u2026"), &m_parent);
    m_parent.addAction(m_forTeachers);
    connect(m_forTeachers, &QAction::triggered, this, &TeacherActions::teacherWindowRequested);
}

QString TeacherActions::code() const {
    return m_session.code().text();
}

void TeacherActions::newSubject() {
    ClockDraws draws;
    m_session.setSubject(SubjectCode::draw(std::ref(draws)), Session::Origin::Drawn);
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
    QMessageBox ask(QMessageBox::Question, title,
                    tr("Which sheet for subject %1: the worksheet, to hand out, or the answer key?")
                        .arg(code()),
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
    const QString fileName = askSaveFileName(
        &m_parent, tr("Export PDF"), QDir(Paper::documentsFolder()).filePath(suggestedName(*sheet)),
        tr("PDF files (*.pdf)"));
    if (!fileName.isEmpty())
        exportPdf(*sheet, fileName);
}

QString TeacherActions::suggestedName(Sheet sheet) const {
    return QStringLiteral("korvanel-%1-%2.pdf")
        .arg(code(), sheet == Sheet::Key ? QStringLiteral("key") : QStringLiteral("worksheet"));
}

bool TeacherActions::exportPdf(Sheet sheet, const QString& fileName) {
    QString error;
    if (Paper::writePdf({{sheet, fileName}}, {m_session.code()}, &error))
        return true;
    QMessageBox::warning(&m_parent, tr("Export PDF"), tr("No PDF was written. %1").arg(error));
    return false;
}
