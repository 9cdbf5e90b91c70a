// The physiology and biochemistry the exercise works with, each figure
// once: the arithmetic of the subject, the printed texts (through constant
// items), the hints of practice mode, its known slips and its
// carried-forward sums all take them from here, so that what the student
// reads and what is computed cannot disagree.
#pragma once

namespace Constants {

// Extracellular fluid, per cent of body weight; 1 kg of it taken as 1 L.
inline constexpr int ecfPercent = 20;
// Thirty minutes after the race the plasma lactate stands at this many
// times its level before it.
inline constexpr int laterLactateFactor = 2;

// ATP, GTP and UTP spent making each product from 2 lactate.
inline constexpr int glucoseAtp = 6;
inline constexpr int liverGlycogenAtp = 7;
inline constexpr int muscleGlycogenAtp = 8;
// Of those: the GTP of phosphoenolpyruvate, one for each lactate; the UTP
// that adds glucose to glycogen; the ATP with which muscle phosphorylates
// the glucose it takes up.
inline constexpr int gtpForGlucose = 2;
inline constexpr int utpForGlycogen = 1;
inline constexpr int atpForMusclePhosphorylation = 1;
// The NADH that making glucose from 2 pyruvate uses, which oxidising the
// 2 lactate to pyruvate provides.
inline constexpr int nadhForGlucose = 2;

// What oxidising one lactate to carbon dioxide and water yields: one NADH
// from lactate to pyruvate, one from pyruvate to acetyl CoA, and in the
// citric acid cycle three NADH, one FADH2 and one GTP.
inline constexpr int nadhFromLactate = 1;
inline constexpr int nadhFromPyruvate = 1;
inline constexpr int nadhInCycle = 3;
inline constexpr int fadh2InCycle = 1;
inline constexpr int gtpInCycle = 1;
inline constexpr double atpPerNadh = 2.5;
inline constexpr double atpPerFadh2 = 1.5;
inline constexpr int atpPerGtp = 1;
// The older ratios some textbooks still give.
inline constexpr int oldAtpPerNadh = 3;
inline constexpr int oldAtpPerFadh2 = 2;

inline constexpr double cycleAtp =
    nadhInCycle * atpPerNadh + fadh2InCycle * atpPerFadh2 + gtpInCycle * atpPerGtp;
inline constexpr int atpPerLactateOxidised =
    int((nadhFromLactate + nadhFromPyruvate) * atpPerNadh + cycleAtp);
static_assert(atpPerLactateOxidised == 15);
inline constexpr int oldAtpPerLactateOxidised =
    (nadhFromLactate + nadhFromPyruvate + nadhInCycle) * oldAtpPerNadh +
    fadh2InCycle * oldAtpPerFadh2 + gtpInCycle * atpPerGtp;

inline constexpr double lactateMolarMass = 90.1; // g/mol
inline constexpr double oxygenPerGram = 0.746;   // L of oxygen per g of lactate oxidised

// Basal metabolic rate in MJ a day from the body weight in kg, a man's and
// a woman's (Schofield's equations for 18 to 30 years), and the total
// energy expenditure as a multiple of it, in tenths: an activity level of 1.7.
struct BmrEquation {
    double perKg;
    double base;
};
inline constexpr BmrEquation manBmr{0.0485, 3.67};
inline constexpr BmrEquation womanBmr{0.0364, 3.47};
inline constexpr int activityTenths = 17;

// Energy yielded per litre of oxygen consumed, whatever the fuel.
inline constexpr int kilojoulesPerLitreOxygen = 20;
inline constexpr int halfHoursPerDay = 48;
inline constexpr int hoursPerDay = halfHoursPerDay / 2;

} // namespace Constants
