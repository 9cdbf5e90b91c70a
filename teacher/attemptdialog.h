// One attempt handed in, in full: whose it is, its subject and how far it
// came, and each check as it was typed, with the verdict its entry earns
// when the judge replays it and when it was made; a check that the record
// gives otherwise is marked, with why. Its result slip can be exported.
#pragma once

#include "classwork/handedin.h"

#include <QDialog>

class QTableWidget;

class AttemptDialog : public QDialog {
    Q_OBJECT

public:
    AttemptDialog(const HandedInRecord& record, QWidget* parent = nullptr);

    QTableWidget* checks() const { return m_checks; }
    // Writes the result slip; false, said in a message box, when it cannot.
    bool exportResultSlip(const QString& fileName);

private:
    void askResultSlip();

    HandedInRecord m_record;
    QTableWidget* m_checks;
};
