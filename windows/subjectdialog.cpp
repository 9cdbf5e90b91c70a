#include "subjectdialog.h"

#include "panes/announcer.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

SubjectDialog::SubjectDialog(QWidget* parent)
    : QDialog(parent)
    , m_field(new QLineEdit(this))
    , m_problem(new QLabel(this))
    , m_announcer(new Announcer(this)) {
    setWindowTitle(tr("Subject from code"));
    auto* prompt = new QLabel(tr("&Subject code, such as M72-0.8-12.4:"), this);
    prompt->setBuddy(m_field);
    m_field->setAccessibleName(tr("Subject code"));
    m_problem->setWordWrap(true);
    m_problem->setTextFormat(Qt::PlainText);
    //: Where the dialog says what is wrong with the code typed.
    m_problem->setAccessibleName(tr("Problem"));
    m_problem->setObjectName(QStringLiteral("problem"));
    m_problem->setMinimumWidth(m_field->fontMetrics().averageCharWidth() * 50);
    m_problem->hide();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &SubjectDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SubjectDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_field);
    layout->addWidget(m_problem);
    layout->addWidget(buttons);
}

QString SubjectDialog::problem() const {
    return m_problem->isHidden() ? QString() : m_problem->text();
}

void SubjectDialog::accept() {
    QString error;
    m_code = SubjectCode::parse(m_field->text(), &error);
    if (m_code) {
        QDialog::accept();
        return;
    }
    m_problem->setText(error);
    m_problem->show();
    // The dialog grows to the whole message; laid out for the field alone,
    // it cut the message's lines off at its top and bottom.
    layout()->activate();
    resize(width(), std::max(height(), layout()->totalHeightForWidth(width())));
    m_field->setFocus();
    m_field->selectAll();
    // Said at once, not only when the reader next looks at the label.
    m_announcer->announce(error);
}
