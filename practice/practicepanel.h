// Practice mode's place in the exercise window: over the answer pane's
// place, a stack with the form of each question, made when first needed,
// the one of the question posed on top; under it, where the attempt was
// last handed in, where it is.
#pragma once

#include "judging/judge.h"

#include <QWidget>

class AnswerForm;
class QLabel;
class QStackedLayout;

class PracticePanel : public QWidget {
    Q_OBJECT

public:
    explicit PracticePanel(QWidget* parent = nullptr);

    // Shows the form of `question`, or hides the panel for 0.
    AnswerForm* showQuestion(int question);
    AnswerForm* form() const; // the one shown, if any
    // Forgets every form and what it showed.
    void reset();
    void showChecks(int question, const QList<FieldCheck>& checks);
    // Shown under the forms; nothing for an empty text.
    void setHandInStatus(const QString& status);
    QString handInStatus() const;

signals:
    void checkRequested(int question, const QStringList& entries);
    void formMade(AnswerForm* form);

private:
    QStackedLayout* m_stack;
    QLabel* m_handIn;
    QList<AnswerForm*> m_forms;
};
