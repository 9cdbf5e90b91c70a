#include "attemptdialog.h"

#include "model/language.h"
#include "model/visibletext.h"
#include "panes/savefilename.h"
#include "paper/paper.h"
#include "stages/stage.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

AttemptDialog::AttemptDialog(const HandedInRecord& record, QWidget* parent)
    : QDialog(parent)
    , m_record(record)
    , m_checks(new QTableWidget(this)) {
    const Attempt& attempt = record.attempt;
    setWindowTitle(
        attempt.student.isNamed()
            //: The dialog's title: %1 is the student, %2 the subject's code.
            ? tr("%1's attempt at subject %2").arg(attempt.student.shown(), attempt.code.text())
            //: The dialog's title: %1 is the subject's code.
            : tr("An attempt at subject %1, naming nobody").arg(attempt.code.text()));
    setObjectName(QStringLiteral("attempt"));

    const Stage stage = Stage::fromIndex(attempt.stage).value_or(Stage());
    const QString when =
        Language::dates().toString(attempt.started.toLocalTime(), QLocale::ShortFormat);
    QStringList about = {
        //: %1 is a date and time, %2 the file the record was read from.
        tr("Started %1; read from %2.")
            .arg(when, VisibleText::escaped(QDir::toNativeSeparators(record.file))),
        attempt.finished()
            ? tr("The exercise was finished.")
            //: %1 is the number of the question the student came to.
            : tr("The exercise was left at question %1.").arg(stage.reachedQuestion()),
        //: %n questions of %1 were right at the first try.
        tr("%n of %1 questions right at the first try.", nullptr, record.summary.score)
            .arg(record.summary.questionCount)};
    if (record.edited)
        //: %1 names the first check at fault, in a sentence of its own.
        about.append(tr("The record was edited. %1 The verdicts shown are the ones its entries "
                        "earn.")
                         .arg(*record.edited));
    auto* heading = new QLabel(about.join(u'\n'), this);
    heading->setTextFormat(Qt::PlainText);
    heading->setWordWrap(true);
    heading->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    const QStringList columns = {//: When a check was made.
                                 tr("Time"), tr("Question"),
                                 //: What the student typed, as typed.
                                 tr("Entry"),
                                 //: What the entry earns, as the judge gives it.
                                 tr("Verdict"),
                                 //: Why the record gives this check otherwise than the judge does.
                                 tr("Edited")};
    m_checks->setObjectName(QStringLiteral("checks"));
    m_checks->setAccessibleName(tr("Checks"));
    m_checks->setColumnCount(int(columns.size()));
    m_checks->setHorizontalHeaderLabels(columns);
    m_checks->setRowCount(int(attempt.checks.size()));
    m_checks->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_checks->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_checks->setTabKeyNavigation(false);
    m_checks->verticalHeader()->hide();
    m_checks->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_checks->horizontalHeader()->setStretchLastSection(true);
    for (qsizetype i = 0; i < attempt.checks.size(); ++i) {
        const CheckEntry& check = attempt.checks[i];
        const AnswerField& field = answerField(check.field);
        const QString part = field.partText();
        const QString verdict =
            check.verdict ? verdictWords(*check.verdict)
                          //: The verdict column of an entry the judge could not read as a number.
                          : tr("not a number");
        const QStringList cells = {
            Language::dates().toString(check.time.toLocalTime().time(), QLocale::LongFormat),
            part.isEmpty() ? QString::number(check.question)
                           //: %1 is the question's number, %2 its part: "2, glucose".
                           : tr("%1, %2").arg(QString::number(check.question), part),
            VisibleText::escaped(check.entry), verdict, record.faults.value(i)};
        for (qsizetype c = 0; c < cells.size(); ++c)
            m_checks->setItem(int(i), int(c), new QTableWidgetItem(cells[c]));
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* slip =
        buttons->addButton(tr("Export result &slip\u2026"), QDialogButtonBox::ActionRole);
    connect(slip, &QPushButton::clicked, this, &AttemptDialog::askResultSlip);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(m_checks, 1);
    layout->addWidget(buttons);
    resize(760, 480);
}

void AttemptDialog::askResultSlip() {
    const QString suggested =
        QDir(QFileInfo(m_record.file).absolutePath())
            .filePath(QFileInfo(m_record.file).completeBaseName() + QStringLiteral(" results.pdf"));
    const QString fileName =
        askSaveFileName(this, tr("Export result slip"),
                        QDir(Paper::documentsFolder()).filePath(QFileInfo(suggested).fileName()),
                        tr("PDF files (*.pdf)"));
    if (!fileName.isEmpty())
        exportResultSlip(fileName);
}

bool AttemptDialog::exportResultSlip(const QString& fileName) {
    QString error;
    if (Paper::writeResultSlip(m_record.attempt, m_record.edited, fileName, &error))
        return true;
    QMessageBox::warning(this, tr("Export result slip"),
                         tr("No result slip was written. %1").arg(error));
    return false;
}
