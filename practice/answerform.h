// The form in which a student answers one question in practice mode: a
// field for each quantity the worked answer arrives at, with its label and
// unit, a Check button, and under each field the verdict it last got.
// Enter checks. The judging itself is the Practice record's; the form only
// shows it and says it.
#pragma once

#include <QWidget>

class Practice;
class QLabel;
class QLineEdit;
class QPushButton;

class AnswerForm : public QWidget {
    Q_OBJECT

public:
    AnswerForm(int question, Practice& practice, QWidget* parent = nullptr);

    int question() const { return m_question; }
    QList<QLineEdit*> fields() const { return m_fields; }
    QPushButton* checkButton() const { return m_check; }
    QWidgetList tabOrder() const;     // the fields, then Check
    QString verdict(int field) const; // what the field's verdict line shows

    // Judges every filled field and shows each verdict under its field.
    void check();

signals:
    // What a check said, all verdicts in one message, for a screen reader.
    void checked(const QString& message);

private:
    int m_question;
    Practice& m_practice;
    QList<QLineEdit*> m_fields;
    QList<QLabel*> m_verdicts;
    QPushButton* m_check = nullptr;
};
