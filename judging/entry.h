// Reading the number a student types into an answer field, written the way
// people write numbers by hand.
#pragma once

#include "stages/answerfields.h"

#include <optional>

// Accepts blanks around the number, a leading + or -, a decimal point or
// comma, and the field's unit after it (136 mmol, 2,43 L, 19.2%) or another
// unit of its kind, converted to the field's (0.136 mol, 2430 mL). A point is
// always a decimal point; a comma is one too, except that a comma with
// exactly three digits after a group of one to three (1,234 but not 0,746)
// may be a thousands separator, and that is refused as ambiguous. Anything
// that is not one plain number is refused, and then *error says why. The
// value returned is in the field's unit.
std::optional<double> readEntry(QStringView text, const AnswerField& field,
                                QString* error = nullptr);
