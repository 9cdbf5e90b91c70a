// Subjects for tests, made through makeScenario() from the draws that give
// the wanted inputs.
#pragma once

#include "app/scenario.h"

#include <QList>

#include <cmath>

namespace Subjects {

// The middle of the draw interval that gives each input: sex 0 or 1,
// weight 60..84, lactate before 4..8 tenths, lactate after 100..139 tenths.
inline QList<double> drawsFor(int sex, int weight, int beforeTenths, int afterTenths) {
    return {(sex + 0.5) / 2, (weight - 60 + 0.5) / 25, (beforeTenths - 4 + 0.5) / 5,
            (afterTenths - 100 + 0.5) / 40};
}

inline Scenario fromDraws(QList<double> draws, int* used = nullptr) {
    int count = 0;
    const Scenario s = makeScenario([&] { return draws.value(count++, 0.0); });
    if (used)
        *used = count;
    return s;
}

inline Scenario make(int sex, int weight, double before, double after) {
    return fromDraws(
        drawsFor(sex, weight, int(std::lround(before * 10)), int(std::lround(after * 10))));
}

} // namespace Subjects
