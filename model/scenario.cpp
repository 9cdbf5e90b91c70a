#include "scenario.h"

#include "arithmetic.h"
#include "constants.h"

#include <cmath>

namespace {

// floor(r * span) + offset rather than floor(r * span + offset): for the
// largest double below 1 the sum rounds up to offset + span in double
// precision, one past the top of the range. Every other r gives the same value.
double drawWhole(double r, const InputRange& range) {
    return std::floor(r * range.count) + range.low;
}

} // namespace

Scenario makeScenario(const std::function<double()>& draw) {
    Scenario s;

    s.sex = static_cast<int>(drawWhole(draw(), Inputs::sex));
    if (s.sex == 0) {
        s.person = QStringLiteral("man");
        s.subjectcap = QStringLiteral("He");
        s.subject = QStringLiteral("he");
        s.possessive = QStringLiteral("his");
    } else {
        s.person = QStringLiteral("woman");
        s.subjectcap = QStringLiteral("She");
        s.subject = QStringLiteral("she");
        s.possessive = QStringLiteral("her");
    }
    s.weight = static_cast<float>(drawWhole(draw(), Inputs::weight));
    s.lactatebefore = static_cast<float>(drawWhole(draw(), Inputs::beforeTenths) / 10);
    s.lactateafter = static_cast<float>(drawWhole(draw(), Inputs::afterTenths) / 10);

    // Single precision: each operation rounds to float before the next one.
    // The constants are whole numbers, exact in float.
    using namespace Constants;
    using namespace Arithmetic;
    s.lactatelater = s.lactatebefore * 2.0f;
    s.ecf = std::floor(s.weight * (float(ecfPercent) / 10.0f)) / 10.0f;
    s.lactatefall = std::floor((s.lactateafter - s.lactatelater) * 10.0f) / 10.0f;
    s.totallactate = std::floor(lactateMetabolised(s.ecf, s.lactatefall) * 10.0f) / 10.0f;
    s.atpneeded = std::floor(atpFor(s.totallactate, float(muscleGlycogenAtp)));
    s.lactateoxidised = std::floor(lactateToOxidise(s.atpneeded) * 10.0f) / 10.0f;

    // Double precision from here on; the floats widen exactly.
    s.massoxidised = std::floor(massOfLactate(double(s.lactateoxidised)));
    s.extraoxygen = std::floor(oxygenForLactate(s.massoxidised) * 100) / 100;
    s.bmr = s.sex == 0 ? 0.0485 * double(s.weight) + 3.67 : 0.0364 * double(s.weight) + 3.47;
    s.energyexpenditure = std::floor(s.bmr * 17) / 10;
    s.oxygenperday = std::floor(s.energyexpenditure * 1000 / kilojoulesPerLitreOxygen);
    s.oxygenper30min = std::floor(s.oxygenperday / halfHoursPerDay * 100) / 100;
    s.percentincrease = std::floor(increaseTenthsOfPercent(s.extraoxygen, s.oxygenper30min)) / 10;
    return s;
}
