#include "scenario.h"

#include "constants.h"

#include <cmath>

namespace {

// floor(r * span) + offset rather than floor(r * span + offset): for the
// largest double below 1 the sum rounds up to offset + span in double
// precision, one past the top of the range. Every other r gives the same value.
double drawWhole(double r, double span, double offset) {
    return std::floor(r * span) + offset;
}

} // namespace

Scenario makeScenario(const std::function<double()>& draw) {
    Scenario s;

    s.sex = static_cast<int>(std::floor(2 * draw()));
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
    s.weight = static_cast<float>(drawWhole(draw(), 25, 60));
    s.lactatebefore = static_cast<float>(drawWhole(draw(), 5, 4) / 10);
    s.lactateafter = static_cast<float>(drawWhole(draw(), 40, 100) / 10);

    // Single precision: each operation rounds to float before the next one.
    // The constants are whole numbers, exact in float.
    using namespace Constants;
    s.lactatelater = s.lactatebefore * 2.0f;
    s.ecf = std::floor(s.weight * (float(ecfPercent) / 10.0f)) / 10.0f;
    s.lactatefall = std::floor((s.lactateafter - s.lactatelater) * 10.0f) / 10.0f;
    s.totallactate = std::floor(s.ecf * s.lactatefall * 10.0f) / 10.0f;
    s.atpneeded = std::floor(s.totallactate / 2.0f * float(muscleGlycogenAtp));
    s.lactateoxidised = std::floor(s.atpneeded / float(atpPerLactateOxidised) * 10.0f) / 10.0f;

    // Double precision from here on; the floats widen exactly.
    s.massoxidised = std::floor(double(s.lactateoxidised) * lactateMolarMass);
    s.extraoxygen = std::floor(s.massoxidised / 1000 * oxygenPerGram * 100) / 100;
    s.bmr = s.sex == 0 ? 0.0485 * double(s.weight) + 3.67 : 0.0364 * double(s.weight) + 3.47;
    s.energyexpenditure = std::floor(s.bmr * 17) / 10;
    s.oxygenperday = std::floor(s.energyexpenditure * 1000 / kilojoulesPerLitreOxygen);
    s.oxygenper30min = std::floor(s.oxygenperday / halfHoursPerDay * 100) / 100;
    s.percentincrease = std::floor(s.extraoxygen * 1000 / s.oxygenper30min) / 10;
    return s;
}
