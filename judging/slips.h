// Known slips, written as data: for each field, the number a common mistake
// leads to in a subject's numbers and the hint that names the mistake.
#pragma once

#include "stages/answerfields.h"

#include <array>
#include <span>

struct Slip {
    Field field;
    double (*value)(const Scenario&);
    // Follows "Not yet: "; %1 to %3 are the quoted numbers of the subject and
    // the constants.
    QStringView hint;
    std::array<ScenarioNumber, 3> quotes = {};

    QString hintText(const Scenario& s) const;
};

std::span<const Slip> slips();
