// The class's practice records as one table for a teacher: a CSV file
// (RFC 4180) with a line for each attempt, which any spreadsheet and
// Moodle's grade import take as it is. The table is one form on every
// desktop: its words are English, its times local, its score a number.
#pragma once

#include "handedin.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

// Name, ID number, Code, Started (local time), each question's first and
// last verdicts, Score (a number, 0 to 6), Right at the first try
// ("4 of 6"), Finished, Edited, Counted (yes or no): a header line, then
// one line for each attempt in the order given.
QByteArray collateCsv(const QList<HandedInRecord>& records);

// The same table written to `fileName`, replaced whole or not at all;
// false, with *error naming the file, when it cannot be written.
bool writeCsv(const QList<HandedInRecord>& records, const QString& fileName, QString* error);

// One line of CSV in UTF-8, ended by CR LF: a field that holds a comma, a
// quote, CR or LF is quoted, its quotes doubled; control characters are
// written out ("\u001b"), and a field that a spreadsheet would take for a
// formula (starting with =, +, -, @) starts with an apostrophe instead, so
// that it stays text.
QByteArray csvLine(const QStringList& fields);
