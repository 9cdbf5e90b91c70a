#include "classsetpage.h"

#include "model/clockdraws.h"
#include "panes/announcer.h"
#include "panes/savefilename.h"
#include "paper/classsetjob.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QString inDocuments(const QString& name) {
    return QDir::toNativeSeparators(QDir(Paper::documentsFolder()).filePath(name));
}

} // namespace

ClassSetPage::ClassSetPage(QWidget* parent)
    : QWidget(parent)
    , m_random(new QRadioButton(tr("&Random subjects, all different:"), this))
    , m_count(new QSpinBox(this))
    , m_listed(new QRadioButton(tr("These subject &codes:"), this))
    , m_codes(new QPlainTextEdit(this))
    , m_worksheet(new QCheckBox(tr("&Worksheets to:"), this))
    , m_worksheetFile(new QLineEdit(inDocuments(QStringLiteral("korvanel-worksheets.pdf")), this))
    , m_key(new QCheckBox(tr("Answer &keys to:"), this))
    , m_keyFile(new QLineEdit(inDocuments(QStringLiteral("korvanel-keys.pdf")), this))
    , m_write(new QPushButton(tr("&Write the class set"), this))
    , m_outcome(new QLabel(this))
    , m_announcer(new Announcer(this)) {
    setObjectName(QStringLiteral("classSet"));
    m_count->setRange(1, SubjectCode::count);
    m_count->setValue(30);
    m_count->setAccessibleName(tr("Number of subjects"));
    m_random->setChecked(true);
    m_codes->setAccessibleName(tr("Subject codes, one a line"));
    m_codes->setPlaceholderText(QStringLiteral("M72-0.8-12.4\nW65-0.5-10.8"));
    m_codes->setTabChangesFocus(true);
    m_worksheet->setChecked(true);
    m_key->setChecked(true);
    m_worksheetFile->setAccessibleName(tr("Worksheets file"));
    m_keyFile->setAccessibleName(tr("Answer keys file"));
    m_outcome->setWordWrap(true);
    m_outcome->setTextFormat(Qt::PlainText);
    m_outcome->setObjectName(QStringLiteral("outcome"));
    m_outcome->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    //: The invented people the worksheets are about, one for each student.
    auto* subjects = new QGroupBox(tr("Subjects"), this);
    auto* subjectsLayout = new QGridLayout(subjects);
    subjectsLayout->addWidget(m_random, 0, 0);
    subjectsLayout->addWidget(m_count, 0, 1, Qt::AlignLeft);
    subjectsLayout->addWidget(m_listed, 1, 0, Qt::AlignTop);
    subjectsLayout->addWidget(m_codes, 1, 1);
    subjectsLayout->setColumnStretch(1, 1);
    connect(m_codes, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_codes->toPlainText().trimmed().isEmpty())
            m_listed->setChecked(true);
    });

    //: The sheets of paper to write: worksheets and answer keys.
    auto* sheets = new QGroupBox(tr("Sheets"), this);
    auto* sheetsLayout = new QGridLayout(sheets);
    sheetsLayout->addWidget(m_worksheet, 0, 0);
    sheetsLayout->addWidget(m_worksheetFile, 0, 1);
    sheetsLayout->addWidget(
        chooseButton(m_worksheetFile, tr("Worksheets"), tr("Choose the file for the worksheets")),
        0, 2);
    sheetsLayout->addWidget(m_key, 1, 0);
    sheetsLayout->addWidget(m_keyFile, 1, 1);
    sheetsLayout->addWidget(
        chooseButton(m_keyFile, tr("Answer keys"), tr("Choose the file for the answer keys")), 1,
        2);
    sheetsLayout->setColumnStretch(1, 1);

    auto* about = new QLabel(tr("Each subject starts on a page of its own, headed by its code, so "
                                "that each student's pages can be handed out alone. Both files "
                                "are written in full before either replaces anything."),
                             this);
    about->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(about);
    layout->addWidget(subjects);
    layout->addWidget(sheets);
    auto* row = new QHBoxLayout;
    row->addWidget(m_write);
    row->addStretch();
    layout->addLayout(row);
    layout->addWidget(m_outcome);
    layout->addStretch();

    connect(m_write, &QPushButton::clicked, this, &ClassSetPage::write);
}

ClassSetPage::~ClassSetPage() = default;

QPushButton* ClassSetPage::chooseButton(QLineEdit* field, const QString& title,
                                        const QString& name) {
    auto* button = new QPushButton(tr("Choose\u2026"), this);
    button->setAccessibleName(name);
    connect(button, &QPushButton::clicked, field, [this, field, title] {
        const QString chosen = askSaveFileName(this, title, field->text(), tr("PDF files (*.pdf)"));
        if (!chosen.isEmpty())
            field->setText(QDir::toNativeSeparators(chosen));
    });
    return button;
}

QString ClassSetPage::outcome() const {
    return m_outcome->text();
}

QList<SubjectCode> ClassSetPage::subjects(QString* error) const {
    if (m_random->isChecked()) {
        ClockDraws draws;
        return differentSubjects(m_count->value(), std::ref(draws), error);
    }
    const std::optional<QList<SubjectCode>> codes =
        SubjectCode::parseList(m_codes->toPlainText(), error);
    if (codes && codes->isEmpty())
        *error = tr("Type the subject codes, one a line, or choose random subjects.");
    return codes.value_or(QList<SubjectCode>());
}

void ClassSetPage::write() {
    if (m_job)
        return;
    QString error;
    const QList<SubjectCode> subjects = this->subjects(&error);
    if (subjects.isEmpty()) {
        tell(error);
        return;
    }
    QList<Paper::Output> outputs;
    const std::tuple<QCheckBox*, QLineEdit*, Sheet, QString> sheets[] = {
        {m_worksheet, m_worksheetFile, Sheet::Worksheet,
         tr("Choose where to save the worksheets.")},
        {m_key, m_keyFile, Sheet::Key, tr("Choose where to save the answer keys.")}};
    for (const auto& [box, field, sheet, unnamed] : sheets) {
        if (!box->isChecked())
            continue;
        QString name = field->text().trimmed();
        if (name.isEmpty()) {
            tell(unnamed);
            return;
        }
        if (QFileInfo(name).suffix().isEmpty())
            name += QStringLiteral(".pdf");
        outputs.append({sheet, QDir::fromNativeSeparators(name)});
    }
    if (outputs.isEmpty()) {
        tell(tr("Choose the worksheets, the answer keys or both."));
        return;
    }
    if (outputs.size() == 2 && QFileInfo(outputs[0].fileName).absoluteFilePath() ==
                                   QFileInfo(outputs[1].fileName).absoluteFilePath()) {
        tell(tr("The worksheets and the answer keys need files of their own."));
        return;
    }

    m_job = std::make_unique<ClassSetJob>(outputs, subjects);
    connect(m_job.get(), &ClassSetJob::finished, this, &ClassSetPage::written);

    m_progress = new QProgressDialog(tr("Writing the class set\u2026"), tr("Cancel"), 0,
                                     m_job->steps(), this);
    m_progress->setWindowTitle(tr("Class set"));
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setMinimumDuration(400);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    connect(m_progress, &QProgressDialog::canceled, this, &ClassSetPage::cancel);
    connect(m_job.get(), &ClassSetJob::progressed, m_progress, &QProgressDialog::setValue);
    m_write->setEnabled(false);
    m_job->start();
}

void ClassSetPage::cancel() {
    if (m_job)
        m_job->cancel();
}

void ClassSetPage::written(bool written, bool cancelled, const QString& error) {
    // Let go once its signal is done with.
    ClassSetJob* job = m_job.release();
    job->deleteLater();
    if (m_progress) {
        m_progress->deleteLater();
        m_progress = nullptr;
    }
    m_write->setEnabled(true);
    const int count = int(job->subjects().size());
    if (written) {
        QStringList files;
        for (const Paper::Output& output : job->outputs())
            files.append(QDir::toNativeSeparators(output.fileName));
        tell(job->outputs().size() == 2
                 ? tr("Written for %n subject(s): the worksheets to %1 and the answer keys to %2.",
                      nullptr, count)
                       .arg(files[0], files[1])
                 : tr("Written for %n subject(s): %1.", nullptr, count).arg(files[0]));
    } else if (cancelled) {
        tell(tr("Cancelled: nothing was written, and what stood at those places is as it was."));
    } else {
        tell(error);
    }
    emit finished(written);
}

void ClassSetPage::tell(const QString& outcome) {
    m_outcome->setText(outcome);
    m_announcer->announce(outcome);
}
