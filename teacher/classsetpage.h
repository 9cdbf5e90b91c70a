// The teacher's class set: a number of random subjects or a list of codes,
// the worksheets and the answer keys, and where to save them. A long set
// is written by a job of its own (paper/classsetjob.h), its progress shown,
// with a Cancel that leaves no file behind.
#pragma once

#include "model/subjectcode.h"
#include "paper/paper.h"

#include <QWidget>

#include <memory>

class Announcer;
class ClassSetJob;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressDialog;
class QPushButton;
class QRadioButton;
class QSpinBox;

class ClassSetPage : public QWidget {
    Q_OBJECT

public:
    explicit ClassSetPage(QWidget* parent = nullptr);
    ~ClassSetPage() override;

    QRadioButton* randomChoice() const { return m_random; }
    QSpinBox* countField() const { return m_count; }
    QRadioButton* codesChoice() const { return m_listed; }
    QPlainTextEdit* codesField() const { return m_codes; }
    QCheckBox* worksheetChoice() const { return m_worksheet; }
    QLineEdit* worksheetFile() const { return m_worksheetFile; }
    QCheckBox* keyChoice() const { return m_key; }
    QLineEdit* keyFile() const { return m_keyFile; }
    QPushButton* writeButton() const { return m_write; }
    // What the last Write came to, in a sentence.
    QString outcome() const;
    bool isWriting() const { return m_job != nullptr; }
    QProgressDialog* progressDialog() const { return m_progress; }

    // The subjects asked for; none, with *error, when the list does not read.
    QList<SubjectCode> subjects(QString* error) const;

public slots:
    // Starts writing; the outcome is shown when it is done.
    void write();
    void cancel();

signals:
    void finished(bool written);

private:
    QPushButton* chooseButton(QLineEdit* field, const QString& title, const QString& name);
    void written(bool written, bool cancelled, const QString& error);
    void tell(const QString& outcome);

    QRadioButton* m_random;
    QSpinBox* m_count;
    QRadioButton* m_listed;
    QPlainTextEdit* m_codes;
    QCheckBox* m_worksheet;
    QLineEdit* m_worksheetFile;
    QCheckBox* m_key;
    QLineEdit* m_keyFile;
    QPushButton* m_write;
    QLabel* m_outcome;
    Announcer* m_announcer;
    std::unique_ptr<ClassSetJob> m_job;
    QProgressDialog* m_progress = nullptr;
};
