// The invented subject of one run and every number derived from it.
//
// makeScenario() is pure: it takes its four uniform draws from `draw` and
// computes each value once, step by step in the precision the worked answers
// print (float for the lactate chain, double from the oxygen cost on).
#pragma once

#include <QString>

#include <functional>

// The four inputs a subject is drawn with, each a run of whole steps: sex
// 0 or 1, the weight in kg and the two lactate levels in tenths of a
// mmol/L. Codes, the scenario's draws and every message that states the
// ranges take them from here.
struct InputRange {
    int low;
    int count;
    constexpr int high() const { return low + count - 1; }
    constexpr bool holds(int value) const { return value >= low && value <= high(); }
};

namespace Inputs {
inline constexpr InputRange sex{0, 2};
inline constexpr InputRange weight{60, 25};       // kg
inline constexpr InputRange beforeTenths{4, 5};   // lactate before the race
inline constexpr InputRange afterTenths{100, 40}; // lactate just after it
inline constexpr int subjectCount =
    sex.count * weight.count * beforeTenths.count * afterTenths.count;
} // namespace Inputs

struct Scenario {
    int sex = 0; // 0 man, 1 woman
    QString person;
    QString subjectcap;
    QString subject;
    QString possessive;

    float weight = 0;        // kg
    float lactatebefore = 0; // mmol/L, before the race
    float lactateafter = 0;  // mmol/L, just after the race

    float lactatelater = 0;    // mmol/L, 30 minutes later
    float ecf = 0;             // L
    float lactatefall = 0;     // mmol/L
    float totallactate = 0;    // mmol
    float atpneeded = 0;       // mmol ATP
    float lactateoxidised = 0; // mmol

    double massoxidised = 0;      // mg
    double extraoxygen = 0;       // L
    double bmr = 0;               // MJ/day, never printed
    double energyexpenditure = 0; // MJ/day
    double oxygenperday = 0;      // L/day
    double oxygenper30min = 0;    // L per half-hour
    double percentincrease = 0;   // %
};

// `draw` must return values in [0, 1); it is called exactly four times, for
// sex, weight, lactate before and lactate after, in that order.
Scenario makeScenario(const std::function<double()>& draw);
