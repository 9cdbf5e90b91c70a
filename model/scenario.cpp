#include "scenario.h"

#include "arithmetic.h"
#include "constants.h"

#include <cmath>

Scenario makeScenario(const SubjectCode& code) {
    Scenario s;
    s.sex = code.sex();
    s.weight = static_cast<float>(code.weight());
    s.lactatebefore = static_cast<float>(code.beforeTenths() / 10.0);
    s.lactateafter = static_cast<float>(code.afterTenths() / 10.0);

    // Single precision: each operation rounds to float before the next one.
    // The constants are whole numbers, exact in float.
    using namespace Constants;
    using namespace Arithmetic;
    s.lactatelater = s.lactatebefore * float(laterLactateFactor);
    s.ecf = std::floor(s.weight * (float(ecfPercent) / 10.0f)) / 10.0f;
    s.lactatefall = std::floor((s.lactateafter - s.lactatelater) * 10.0f) / 10.0f;
    s.totallactate = std::floor(lactateMetabolised(s.ecf, s.lactatefall) * 10.0f) / 10.0f;
    s.atpneeded = std::floor(atpFor(s.totallactate, float(muscleGlycogenAtp)));
    s.lactateoxidised = std::floor(lactateToOxidise(s.atpneeded) * 10.0f) / 10.0f;

    // Double precision from here on; the floats widen exactly.
    s.massoxidised = std::floor(massOfLactate(double(s.lactateoxidised)));
    s.extraoxygen = std::floor(oxygenForLactate(s.massoxidised) * 100) / 100;
    const BmrEquation& bmr = s.sex == 0 ? manBmr : womanBmr;
    s.bmr = bmr.perKg * double(s.weight) + bmr.base;
    s.energyexpenditure = std::floor(s.bmr * activityTenths) / 10;
    s.oxygenperday = std::floor(s.energyexpenditure * 1000 / kilojoulesPerLitreOxygen);
    s.oxygenper30min = std::floor(s.oxygenperday / halfHoursPerDay * 100) / 100;
    s.percentincrease = std::floor(increaseTenthsOfPercent(s.extraoxygen, s.oxygenper30min)) / 10;
    return s;
}
