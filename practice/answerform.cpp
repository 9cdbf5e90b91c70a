#include "answerform.h"

#include "stages/exercise.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

// Tab selects a field's text as the field takes the focus, and Qt tells a
// screen reader of that caret and selection before it tells of the focus:
// Orca 43 then takes the field for one it has named already and names it
// not at all. The text is selected once the focus has been told.
class EntryField : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* event) override {
        const bool selects = event->reason() == Qt::TabFocusReason ||
                             event->reason() == Qt::BacktabFocusReason ||
                             event->reason() == Qt::ShortcutFocusReason;
        QFocusEvent quiet(event->type(), selects ? Qt::OtherFocusReason : event->reason());
        QLineEdit::focusInEvent(&quiet);
        if (selects && !text().isEmpty())
            QTimer::singleShot(0, this, [this] {
                if (hasFocus())
                    selectAll();
            });
    }
};

} // namespace

AnswerForm::AnswerForm(int question, QWidget* parent)
    : QWidget(parent)
    , m_question(question) {
    setObjectName(QStringLiteral("answerform%1").arg(question));
    setAccessibleName(tr("Your answer to question %1").arg(question));
    setAutoFillBackground(true);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 2, 0, 0);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(3, 1);
    int row = 0;
    for (const AnswerField& field : Exercise::question(question).fields) {
        const QString label = field.labelText();
        const QString unit = field.unit.toString();
        auto* edit = new EntryField(this);
        edit->setObjectName(QStringLiteral("field%1").arg(row + 1));
        edit->setAccessibleName(field.spokenName());
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
        connect(edit, &QLineEdit::returnPressed, this, &AnswerForm::requestCheck);
        // A verdict belongs to the entry it was given for.
        connect(edit, &QLineEdit::textEdited, verdict, &QLabel::clear);
        m_fields.append(edit);
        m_verdicts.append(verdict);
        ++row;
    }
    //: The button that has the answers typed judged: a command, not the noun.
    m_check = new QPushButton(tr("Check"), this);
    m_check->setObjectName(QStringLiteral("check"));
    grid->addWidget(m_check, row, 1);
    grid->setRowStretch(row + 1, 1);
    connect(m_check, &QPushButton::clicked, this, &AnswerForm::requestCheck);

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

void AnswerForm::requestCheck() {
    QStringList entries;
    for (const QLineEdit* field : m_fields)
        entries.append(field->text());
    emit checkRequested(m_question, entries);
}

void AnswerForm::showChecks(const QList<FieldCheck>& checks) {
    for (qsizetype i = 0; i < checks.size() && i < m_verdicts.size(); ++i)
        m_verdicts[i]->setText(checks[i].message);
}
