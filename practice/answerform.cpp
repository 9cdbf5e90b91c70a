#include "answerform.h"

#include "judging/practice.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

AnswerForm::AnswerForm(int question, Practice& practice, QWidget* parent)
    : QWidget(parent)
    , m_question(question)
    , m_practice(practice) {
    setObjectName(QStringLiteral("answerform%1").arg(question));
    setAccessibleName(tr("Your answer to question %1").arg(question));
    setAutoFillBackground(true);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 2, 0, 0);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(3, 1);
    int row = 0;
    for (const AnswerField& field : questionFields(question)) {
        const QString label = field.label.toString();
        const QString unit = field.unit.toString();
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("field%1").arg(row + 1));
        edit->setAccessibleName(tr("%1, %2").arg(label, unit));
        // No buddy: a screen reader would name the field by the label alone
        // and leave out the unit its accessible name carries.
        auto* caption = new QLabel(label, this);
        auto* verdict = new QLabel(this);
        verdict->setWordWrap(true);
        verdict->setTextFormat(Qt::PlainText);
        verdict->setObjectName(QStringLiteral("verdict%1").arg(row + 1));
        grid->addWidget(caption, row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(new QLabel(unit, this), row, 2);
        grid->addWidget(verdict, row, 3);
        connect(edit, &QLineEdit::returnPressed, this, &AnswerForm::check);
        m_fields.append(edit);
        m_verdicts.append(verdict);
        ++row;
    }
    m_check = new QPushButton(tr("Check"), this);
    m_check->setObjectName(QStringLiteral("check"));
    grid->addWidget(m_check, row, 1);
    grid->setRowStretch(row + 1, 1);
    connect(m_check, &QPushButton::clicked, this, &AnswerForm::check);

    QWidget* previous = nullptr;
    for (QWidget* next : tabOrder()) {
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }
}

QWidgetList AnswerForm::tabOrder() const {
    QWidgetList order(m_fields.begin(), m_fields.end());
    order.append(m_check);
    return order;
}

QString AnswerForm::verdict(int field) const {
    return m_verdicts.value(field) ? m_verdicts.value(field)->text() : QString();
}

void AnswerForm::check() {
    QStringList entries;
    for (const QLineEdit* field : m_fields)
        entries.append(field->text());
    const QList<FieldCheck> checks = m_practice.check(m_question, entries);
    QStringList said;
    for (qsizetype i = 0; i < checks.size() && i < m_verdicts.size(); ++i) {
        m_verdicts[i]->setText(checks[i].message);
        if (!checks[i].message.isEmpty())
            said.append(m_fields.size() > 1
                            ? questionFields(m_question)[size_t(i)].label.toString() +
                                  QStringLiteral(": ") + checks[i].message
                            : checks[i].message);
    }
    if (said.isEmpty()) {
        said.append(tr("Type an answer first."));
        m_verdicts.constFirst()->setText(said.constFirst());
    }
    emit checked(said.join(u'\n'));
}
