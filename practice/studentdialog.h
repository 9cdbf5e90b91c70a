// Asks for the student's name and, optionally, the ID number the school's
// gradebook knows the student by. A name that cannot be taken (none, or
// one with a control character in it) is explained in the dialog, which
// stays open.
#pragma once

#include "records/student.h"

#include <QDialog>

class Announcer;
class QLabel;
class QLineEdit;

class StudentDialog : public QDialog {
    Q_OBJECT

public:
    explicit StudentDialog(const Student& student, QWidget* parent = nullptr);

    // What was accepted.
    Student student() const { return m_student; }
    QLineEdit* nameField() const { return m_name; }
    QLineEdit* idField() const { return m_id; }
    QString problem() const; // what is wrong with what was last tried, if anything

    void accept() override;

private:
    void refuse(const QString& problem, QLineEdit* field);

    QLineEdit* m_name;
    QLineEdit* m_id;
    QLabel* m_problem;
    Announcer* m_announcer;
    Student m_student;
};
