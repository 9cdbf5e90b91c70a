#include "teacheractions.h"

#include "exercisewindow.h"
#include "model/clockdraws.h"
#include "model/subjectcode.h"
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
#include <QStandardPaths>

TeacherActions::TeacherActions(ExerciseWindow& window)
    : QObject(&window)
    , m_window(window) {
    const auto add = [this](const QString& text, const QKeySequence& shortcut,
                            void (TeacherActions::*slot)()) {
        QAction* action = m_window.newAction(text, shortcut);
        connect(action, &QAction::triggered, this, slot);
        m_actions.append(action);
    };
    add(tr("New subject"), QKeySequence::New, &TeacherActions::newSubject);
    add(tr("Subject from code…"), QKeySequence(), &TeacherActions::askForSubject);
    add(tr("Copy subject code"), QKeySequence(), &TeacherActions::copySubjectCode);
    m_actions.append(FormWindow::newSeparator(this));
    add(tr("Print…"), QKeySequence::Print, &TeacherActions::print);
    add(tr("Export PDF…"), QKeySequence(), qOverload<>(&TeacherActions::exportPdf));
}

QString TeacherActions::code() const {
    return subjectCode(m_window.scenario());
}

void TeacherActions::newSubject() {
    ClockDraws draws;
    m_window.setSubject(makeScenario(std::ref(draws)));
}

void TeacherActions::askForSubject() {
    SubjectDialog dialog(&m_window);
    if (dialog.exec() == QDialog::Accepted && dialog.code())
        m_window.setSubject(dialog.code()->scenario());
}

void TeacherActions::copySubjectCode() {
    QGuiApplication::clipboard()->setText(code());
}

std::optional<Paper::Sheet> TeacherActions::askSheet(const QString& title) {
    QMessageBox ask(
        QMessageBox::Question, title,
        tr("The worksheet, to hand out, or the answer key, for subject %1?").arg(code()),
        QMessageBox::Cancel, &m_window);
    QPushButton* worksheet = ask.addButton(tr("&Worksheet"), QMessageBox::AcceptRole);
    QPushButton* key = ask.addButton(tr("Answer &key"), QMessageBox::AcceptRole);
    ask.setDefaultButton(worksheet);
    ask.exec();
    if (ask.clickedButton() == worksheet)
        return Paper::Sheet::Worksheet;
    if (ask.clickedButton() == key)
        return Paper::Sheet::Key;
    return std::nullopt;
}

void TeacherActions::print() {
    const std::optional<Paper::Sheet> sheet = askSheet(tr("Print"));
    if (!sheet)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(Paper::pageLayout());
    printer.setDocName(QStringLiteral("Korvanel %1").arg(code()));
    QPrintDialog dialog(&printer, &m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QString error;
    if (!Paper::print(printer, *sheet, {*SubjectCode::fromScenario(m_window.scenario())}, &error))
        QMessageBox::warning(&m_window, tr("Print"), tr("Nothing was printed. %1").arg(error));
}

void TeacherActions::exportPdf() {
    const std::optional<Paper::Sheet> sheet = askSheet(tr("Export PDF"));
    if (!sheet)
        return;
    const QString suggested =
        QStringLiteral("korvanel-%1-%2.pdf")
            .arg(code(),
                 *sheet == Paper::Sheet::Key ? QStringLiteral("key") : QStringLiteral("worksheet"));
    QString fileName = QFileDialog::getSaveFileName(
        &m_window, tr("Export PDF"),
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(suggested),
        tr("PDF files (*.pdf)"));
    if (fileName.isEmpty())
        return;
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName += QStringLiteral(".pdf");
    exportPdf(*sheet, fileName);
}

bool TeacherActions::exportPdf(Paper::Sheet sheet, const QString& fileName) {
    QString error;
    if (Paper::writePdf({{sheet, fileName}}, {*SubjectCode::fromScenario(m_window.scenario())},
                        &error))
        return true;
    QMessageBox::warning(&m_window, tr("Export PDF"), tr("No PDF was written. %1").arg(error));
    return false;
}
