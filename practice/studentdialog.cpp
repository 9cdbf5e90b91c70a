#include "studentdialog.h"

#include "panes/announcer.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

StudentDialog::StudentDialog(const Student& student, QWidget* parent)
    : QDialog(parent)
    , m_name(new QLineEdit(student.name, this))
    , m_id(new QLineEdit(student.id, this))
    , m_problem(new QLabel(this))
    , m_announcer(new Announcer(this))
    , m_student(student) {
    setWindowTitle(tr("Your name"));
    auto* about = new QLabel(tr("Your name goes into the record of each practice attempt and "
                                "onto its result slip, so that your teacher knows whose it is."),
                             this);
    about->setWordWrap(true);
    m_name->setObjectName(QStringLiteral("name"));
    m_name->setMaxLength(int(Student::longestName));
    m_name->setAccessibleName(tr("Your name"));
    m_id->setObjectName(QStringLiteral("idNumber"));
    m_id->setMaxLength(int(Student::longestId));
    m_id->setAccessibleName(tr("ID number, if your school gives one"));
    m_problem->setWordWrap(true);
    m_problem->setTextFormat(Qt::PlainText);
    //: Where the dialog says what is wrong with what was typed.
    m_problem->setAccessibleName(tr("Problem"));
    m_problem->setObjectName(QStringLiteral("problem"));
    m_problem->hide();

    auto* form = new QFormLayout;
    form->addRow(tr("&Name:"), m_name);
    //: Moodle's word for the number a school's gradebook knows a student by.
    form->addRow(tr("&ID number (optional):"), m_id);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &StudentDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &StudentDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(about);
    layout->addLayout(form);
    layout->addWidget(m_problem);
    layout->addWidget(buttons);
    setMinimumWidth(fontMetrics().averageCharWidth() * 60);
}

QString StudentDialog::problem() const {
    return m_problem->isHidden() ? QString() : m_problem->text();
}

void StudentDialog::accept() {
    if (const std::optional<QString> problem = Student::nameProblem(m_name->text())) {
        refuse(*problem, m_name);
        return;
    }
    if (const std::optional<QString> problem = Student::idProblem(m_id->text())) {
        refuse(*problem, m_id);
        return;
    }
    m_student = *Student::fromTyped(m_name->text(), m_id->text());
    QDialog::accept();
}

void StudentDialog::refuse(const QString& problem, QLineEdit* field) {
    m_problem->setText(problem);
    m_problem->show();
    layout()->activate();
    resize(width(), std::max(height(), layout()->totalHeightForWidth(width())));
    field->setFocus();
    field->selectAll();
    // Said at once, not only when the reader next looks at the label.
    m_announcer->announce(problem);
}
