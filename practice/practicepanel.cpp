#include "practicepanel.h"

#include "answerform.h"

#include <QLabel>
#include <QStackedLayout>
#include <QVBoxLayout>

PracticePanel::PracticePanel(QWidget* parent)
    : QWidget(parent)
    , m_stack(new QStackedLayout)
    , m_handIn(new QLabel(this)) {
    setObjectName(QStringLiteral("practice"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(m_stack, 1);
    layout->addWidget(m_handIn);
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_handIn->setObjectName(QStringLiteral("handInStatus"));
    m_handIn->setTextFormat(Qt::PlainText);
    m_handIn->setWordWrap(true);
    m_handIn->hide();
    hide();
}

void PracticePanel::setHandInStatus(const QString& status) {
    m_handIn->setText(status);
    m_handIn->setVisible(!status.isEmpty());
}

QString PracticePanel::handInStatus() const {
    return m_handIn->isHidden() ? QString() : m_handIn->text();
}

AnswerForm* PracticePanel::form() const {
    return isHidden() ? nullptr : qobject_cast<AnswerForm*>(m_stack->currentWidget());
}

AnswerForm* PracticePanel::showQuestion(int question) {
    if (question <= 0) {
        hide();
        return nullptr;
    }
    AnswerForm* shown = nullptr;
    for (AnswerForm* form : m_forms)
        if (form->question() == question)
            shown = form;
    if (!shown) {
        shown = new AnswerForm(question, this);
        connect(shown, &AnswerForm::checkRequested, this, &PracticePanel::checkRequested);
        m_stack->addWidget(shown);
        m_forms.append(shown);
        emit formMade(shown);
    }
    m_stack->setCurrentWidget(shown);
    show();
    raise();
    return shown;
}

void PracticePanel::reset() {
    hide();
    qDeleteAll(m_forms);
    m_forms.clear();
}

void PracticePanel::showChecks(int question, const QList<FieldCheck>& checks) {
    for (AnswerForm* form : m_forms)
        if (form->question() == question)
            form->showChecks(checks);
}
