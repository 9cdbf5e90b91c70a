// Known slips, written as data: for each field, the number a common mistake
// leads to in a subject's numbers and the hint that names the mistake.
#pragma once

#include "stages/answerfields.h"

#include <array>
#include <span>

struct Slip {
    Field field;
    double (*value)(const Scenario&);
    // The verdict's whole sentence, "Not yet: ..."; %1, %2... are the quoted
    // numbers of the subject and the constants.
    const char* hint;
    std::array<ScenarioNumber, 6> quotes = {};

    // As the student reads it.
    QString hintText(const Scenario& s) const;
    // As a class's report lists it: the constants quoted, each number of a
    // subject of its own left as "…".
    QString hintForClass() const;
};

std::span<const Slip> slips();
