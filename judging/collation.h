// The class's practice records as one table for a teacher: a CSV file
// (RFC 4180) with a line for each attempt, which any spreadsheet opens.
#pragma once

#include "attempt.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

// Code, Started (local time), each question's first and last verdicts,
// Score ("4 of 6"), Finished (yes or no): a header line, then one line for
// each attempt in the order given.
QByteArray collateCsv(const QList<Attempt>& attempts);

// One line of CSV in UTF-8, ended by CR LF: a field that holds a comma, a
// quote, CR or LF is quoted, its quotes doubled.
QByteArray csvLine(const QStringList& fields);
