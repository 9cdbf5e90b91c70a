// Every number of the exercise for one subject, computed once from the
// subject's four inputs, step by step in the precision the worked answers
// print (float for the lactate chain, double from the oxygen cost on).
#pragma once

#include "subjectcode.h"

struct Scenario {
    int sex = 0; // 0 man, 1 woman

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

// The numbers of the subject of `code`. Pure: the same code always gives
// the same numbers.
Scenario makeScenario(const SubjectCode& code);
