// The form in which a student answers one question in practice mode: a
// field for each quantity the worked answer arrives at, with its label and
// unit, a Check button, and under each field the verdict it last got.
// Enter checks. The judging is the session's; the form asks for it and
// shows what comes back.
#pragma once

#include "judging/judge.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

class AnswerForm : public QWidget {
    Q_OBJECT

public:
    explicit AnswerForm(int question, QWidget* parent = nullptr);

    int question() const { return m_question; }
    QList<QLineEdit*> fields() const { return m_fields; }
    QPushButton* checkButton() const { return m_check; }
    QWidgetList tabOrder() const;     // the fields, then Check
    QString verdict(int field) const; // what the field's verdict line shows

    // Shows each check's message under its field, until the field is edited.
    void showChecks(const QList<FieldCheck>& checks);

signals:
    // Enter or Check: the texts of the fields, in order.
    void checkRequested(int question, const QStringList& entries);

private:
    void requestCheck();

    int m_question;
    QList<QLineEdit*> m_fields;
    QList<QLabel*> m_verdicts;
    QPushButton* m_check = nullptr;
};
