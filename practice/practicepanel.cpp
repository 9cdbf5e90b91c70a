#include "practicepanel.h"

#include "answerform.h"

#include <QStackedLayout>

PracticePanel::PracticePanel(QWidget* parent)
    : QWidget(parent)
    , m_stack(new QStackedLayout(this)) {
    setObjectName(QStringLiteral("practice"));
    m_stack->setContentsMargins(0, 0, 0, 0);
    hide();
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
