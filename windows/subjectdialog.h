// Asks for a subject code. A code that cannot be read is explained in the
// dialog, which stays open; only a good code is accepted.
#pragma once

#include "model/subjectcode.h"

#include <QDialog>

class Announcer;
class QLabel;
class QLineEdit;

class SubjectDialog : public QDialog {
    Q_OBJECT

public:
    explicit SubjectDialog(QWidget* parent = nullptr);

    std::optional<SubjectCode> code() const { return m_code; }
    QLineEdit* field() const { return m_field; }
    QString problem() const; // what is wrong with the code last tried, if anything

    void accept() override;

private:
    QLineEdit* m_field;
    QLabel* m_problem;
    Announcer* m_announcer;
    std::optional<SubjectCode> m_code;
};
