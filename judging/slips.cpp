#include "slips.h"

#include "model/constants.h"

namespace {

using S = Scenario;
using enum Field;
using namespace Constants;

// Where two slips of a field give the same number, the first one's hint is shown.
const Slip table[] = {
    {totalLactate,
     [](const S& s) { return double(s.lactatefall) * s.weight; },
     u"you multiplied the fall by the whole body weight, %1 kg; the lactate is spread through "
     u"the extracellular fluid only, %2 % of body weight.",
     {&S::weight, fixed(ecfPercent)}},
    {totalLactate,
     [](const S& s) { return (double(s.lactateafter) - s.lactatebefore) * s.ecf; },
     u"you took the fall from %1 mmol/L, the level before the race; the lactate metabolised is "
     u"the fall over the 30 minutes after it, to %2 mmol/L.",
     {&S::lactatebefore, &S::lactatelater}},
    {totalLactate, [](const S& s) { return double(s.lactatefall); },
     u"that is the fall in concentration, in mmol/L; multiply it by the volume of fluid the "
     u"lactate is spread through."},
    {totalLactate,
     [](const S& s) { return double(s.lactateafter) * s.ecf; },
     u"that is all the lactate there was just after the race, at %1 mmol/L; only the fall over "
     u"the next 30 minutes has been metabolised.",
     {&S::lactateafter}},

    {glucoseCost, [](const S&) { return 4.0; },
     u"the GTP is not counted: making phosphoenolpyruvate from oxaloacetate uses one GTP for "
     u"each lactate."},
    {liverGlycogenCost, [](const S&) { return 6.0; },
     u"the UTP is not counted: adding glucose to glycogen uses one UTP to make UDP-glucose."},
    {muscleGlycogenCost, [](const S&) { return 7.0; },
     u"the muscle's own phosphorylation is not counted: muscle spends one ATP turning the glucose "
     u"it takes up into glucose 6-phosphate."},
    {glucoseCost, [](const S&) { return 3.0; },
     u"that is the cost for one lactate; the question asks for 2 x lactate."},
    {liverGlycogenCost, [](const S&) { return 3.5; },
     u"that is the cost for one lactate; the question asks for 2 x lactate."},
    {muscleGlycogenCost, [](const S&) { return 4.0; },
     u"that is the cost for one lactate; the question asks for 2 x lactate."},
    {glucoseCost, [](const S&) { return 11.0; },
     u"the NADH is not a cost here: oxidising the lactate to pyruvate provides it."},
    {liverGlycogenCost, [](const S&) { return 12.0; },
     u"the NADH is not a cost here: oxidising the lactate to pyruvate provides it."},
    {muscleGlycogenCost, [](const S&) { return 13.0; },
     u"the NADH is not a cost here: oxidising the lactate to pyruvate provides it."},

    {atpNeeded,
     [](const S& s) { return double(s.totallactate) * muscleGlycogenAtp; },
     u"the %1 ATP are the cost for 2 lactate, and you took them for each lactate.",
     {fixed(muscleGlycogenAtp)}},
    {atpNeeded,
     [](const S& s) { return double(s.totallactate) / 2 * glucoseAtp; },
     u"%1 ATP for 2 lactate is the cost of glucose; this lactate becomes muscle glycogen.",
     {fixed(glucoseAtp)}},
    {atpNeeded,
     [](const S& s) { return double(s.totallactate) / 2 * liverGlycogenAtp; },
     u"%1 ATP for 2 lactate is the cost of liver glycogen; this lactate becomes muscle glycogen.",
     {fixed(liverGlycogenAtp)}},

    {lactateOxidised,
     [](const S& s) { return double(s.atpneeded) / 18; },
     u"that counts 3 ATP per NADH and 2 per FADH2, 18 per lactate; take 2.5 and 1.5, which "
     u"give %1.",
     {fixed(atpPerLactateOxidised)}},
    {lactateOxidised,
     [](const S& s) { return double(s.atpneeded) / 12.5; },
     u"the NADH from lactate to pyruvate is left out; it yields 2.5 ATP as well, %1 in all.",
     {fixed(atpPerLactateOxidised)}},
    {lactateOxidised,
     [](const S& s) { return double(s.atpneeded) / 10; },
     u"that counts the citric acid cycle only; the NADH from lactate to pyruvate and from "
     u"pyruvate to acetyl CoA yield 2.5 ATP each, %1 in all.",
     {fixed(atpPerLactateOxidised)}},
    {lactateOxidised,
     [](const S& s) { return double(s.atpneeded) * atpPerLactateOxidised; },
     u"you multiplied by the %1 ATP each lactate yields; the ATP needed is to be divided by it.",
     {fixed(atpPerLactateOxidised)}},

    {extraOxygen,
     [](const S& s) { return s.massoxidised * oxygenPerGram; },
     u"the mass is in mg: %1 mg is to be divided by 1000 before it is multiplied by %2 L per "
     u"gram.",
     {&S::massoxidised, fixed(oxygenPerGram)}},
    {extraOxygen,
     [](const S& s) { return double(s.lactateoxidised) * oxygenPerGram; },
     u"the %1 L is for each gram, not each mmol: the molecular mass, %2, turns %3 mmol "
     u"into mg.",
     {fixed(oxygenPerGram), fixed(lactateMolarMass), &S::lactateoxidised}},
    {extraOxygen,
     [](const S& s) { return s.massoxidised / 1000; },
     u"that is the mass of lactate in grams; each gram consumes %1 L of oxygen.",
     {fixed(oxygenPerGram)}},

    {percentIncrease,
     [](const S& s) { return 100 * s.extraoxygen / s.oxygenperday; },
     u"that compares with the oxygen of a whole day, %1 L; the question asks about 30 minutes, "
     u"a %2th of the day.",
     {&S::oxygenperday, fixed(halfHoursPerDay)}},
    {percentIncrease, [](const S& s) { return s.extraoxygen / s.oxygenper30min; },
     u"that is a fraction; a percentage is 100 times it."},
    {percentIncrease,
     [](const S& s) { return 100 * s.extraoxygen * 24 / s.oxygenperday; },
     u"that compares with the oxygen of an hour, a 24th of the day; 30 minutes is a %1th.",
     {fixed(halfHoursPerDay)}},
    {percentIncrease,
     [](const S& s) { return 100 * s.extraoxygen / (s.oxygenper30min + s.extraoxygen); },
     u"that is the extra oxygen as a share of all the oxygen used; the increase is measured "
     u"against the usual %1 L per 30 minutes.",
     {&S::oxygenper30min}},
};

} // namespace

QString Slip::hintText(const Scenario& s) const {
    return withNumbers(hint, quotes, s);
}

std::span<const Slip> slips() {
    return table;
}
