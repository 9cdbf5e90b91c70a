// What a checked entry earns, and the ways a verdict is written: its words
// in the run's language, its mark, its name in a record and its words in
// the class's table, which stay English on every desktop.
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// Every verdict message starts with the verdict's words, which are also
// what the summary shows: "Correct", "Not yet" (for a slip too),
// "Carried forward", "Close".
enum class Verdict { correct, slip, carriedForward, close, notYet };

QString verdictWords(Verdict verdict);
// The English words, for the class's table.
QString verdictTableWords(Verdict verdict);
// Drawn beside the words and read as a blank: √, →, ≈ or ×.
QChar verdictMark(Verdict verdict);
// Right, or right but for the student's own earlier error.
bool isRight(Verdict verdict);

// The names records give verdicts: written into files, so never renamed.
QString verdictName(Verdict verdict);
std::optional<Verdict> verdictNamed(QStringView name);
