// The class's practice records as files for a teacher: the class's table,
// a CSV file (RFC 4180) with a line for each attempt, which any spreadsheet
// takes as it is; and the gradebook file, a line for each student, which
// Moodle's CSV grade import takes with no edits. Both are UTF-8 with CR LF,
// their columns the class table's (classtable.h).
#pragma once

#include "handedin.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QStringList>

// A header line, then one line for each attempt in the order given: the
// table is one form on every desktop, its words English, its times ISO 8601
// with their offset, its score a number.
QByteArray collateCsv(const QList<HandedInRecord>& records);

class Gradebook {
    Q_DECLARE_TR_FUNCTIONS(Gradebook)

public:
    // The counted attempt of each student: ID number first (Moodle's "Map
    // from" starts there), the name, the score as a plain number and a short
    // feedback. A student the gradebook could not find by the ID number is
    // left out, each with a sentence in `leftOut`: no ID number, one that
    // names two students, one a spreadsheet would take for a formula or
    // that holds a control character.
    explicit Gradebook(const HandedIn& handedIn);

    QByteArray csv;
    QStringList leftOut;
};

// `data` written to `fileName`, replaced whole or not at all; false, with
// *error naming the file, when it cannot be written.
bool writeTable(const QByteArray& data, const QString& fileName, QString* error);

// One line of CSV in UTF-8, ended by CR LF: a field that holds a comma, a
// quote, CR or LF is quoted, its quotes doubled; control characters are
// written out ("\u001b"), and a field that a spreadsheet would take for a
// formula (starting with =, +, -, @) starts with an apostrophe instead, so
// that it stays text.
QByteArray csvLine(const QStringList& fields);
// Whether a spreadsheet would take `field` for a formula.
bool looksLikeFormula(QStringView field);
