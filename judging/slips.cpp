#include "slips.h"

#include "model/arithmetic.h"
#include "model/constants.h"

#include <QCoreApplication>

namespace {

using S = Scenario;

// The increase that `extra` makes on `usual`, in per cent, as the worked answer reckons it.
double percentOf(double extra, double usual) {
    return Arithmetic::increaseTenthsOfPercent(extra, usual) / 10;
}
using enum Field;
using namespace Constants;

constexpr const char* context = "Slip";

// Where two slips of a field give the same number, the first one's hint is shown.
const Slip table[] = {
    {totalLactate,
     [](const S& s) {
         return Arithmetic::lactateMetabolised(double(s.weight), double(s.lactatefall));
     },
     QT_TRANSLATE_NOOP("Slip", "Not yet: you multiplied the fall by the whole body weight, %1 kg; "
                               "the lactate is spread through the extracellular fluid only, %2 % "
                               "of body weight."),
     {&S::weight, fixed(ecfPercent)}},
    {totalLactate,
     [](const S& s) {
         return Arithmetic::lactateMetabolised(double(s.ecf),
                                               double(s.lactateafter) - s.lactatebefore);
     },
     QT_TRANSLATE_NOOP("Slip", "Not yet: you took the fall from %1 mmol/L, the level before the "
                               "race; the lactate metabolised is the fall over the 30 minutes "
                               "after it, to %2 mmol/L."),
     {&S::lactatebefore, &S::lactatelater}},
    {totalLactate, [](const S& s) { return double(s.lactatefall); },
     QT_TRANSLATE_NOOP("Slip", "Not yet: that is the fall in concentration, in mmol/L; multiply it "
                               "by the volume of fluid the lactate is spread through.")},
    {totalLactate,
     [](const S& s) {
         return Arithmetic::lactateMetabolised(double(s.ecf), double(s.lactateafter));
     },
     QT_TRANSLATE_NOOP("Slip", "Not yet: that is all the lactate there was just after the race, at "
                               "%1 mmol/L; only the fall over the next 30 minutes has been "
                               "metabolised."),
     {&S::lactateafter}},

    {glucoseCost, [](const S&) { return double(glucoseAtp - gtpForGlucose); },
     QT_TRANSLATE_NOOP("Slip", "Not yet: the GTP is not counted: making phosphoenolpyruvate from "
                               "oxaloacetate uses one GTP for each lactate.")},
    {liverGlycogenCost, [](const S&) { return double(liverGlycogenAtp - utpForGlycogen); },
     QT_TRANSLATE_NOOP("Slip", "Not yet: the UTP is not counted: adding glucose to glycogen uses "
                               "one UTP to make UDP-glucose.")},
    {muscleGlycogenCost,
     [](const S&) { return double(muscleGlycogenAtp - atpForMusclePhosphorylation); },
     QT_TRANSLATE_NOOP("Slip", "Not yet: the muscle's own phosphorylation is not counted: muscle "
                               "spends one ATP turning the glucose it takes up into glucose "
                               "6-phosphate.")},
    {glucoseCost, [](const S&) { return glucoseAtp / 2.0; },
     QT_TRANSLATE_NOOP("Slip", "Not yet: that is the cost for one lactate; the question asks for 2 "
                               "x lactate.")},
    {liverGlycogenCost, [](const S&) { return liverGlycogenAtp / 2.0; },
     QT_TRANSLATE_NOOP("Slip", "Not yet: that is the cost for one lactate; the question asks for 2 "
                               "x lactate.")},
    {muscleGlycogenCost, [](const S&) { return muscleGlycogenAtp / 2.0; },
     QT_TRANSLATE_NOOP("Slip", "Not yet: that is the cost for one lactate; the question asks for 2 "
                               "x lactate.")},
    {glucoseCost, [](const S&) { return glucoseAtp + nadhForGlucose * atpPerNadh; },
     QT_TRANSLATE_NOOP("Slip", "Not yet: the NADH is not a cost here: oxidising the lactate to "
                               "pyruvate provides it.")},
    {liverGlycogenCost, [](const S&) { return liverGlycogenAtp + nadhForGlucose * atpPerNadh; },
     QT_TRANSLATE_NOOP("Slip", "Not yet: the NADH is not a cost here: oxidising the lactate to "
                               "pyruvate provides it.")},
    {muscleGlycogenCost, [](const S&) { return muscleGlycogenAtp + nadhForGlucose * atpPerNadh; },
     QT_TRANSLATE_NOOP("Slip", "Not yet: the NADH is not a cost here: oxidising the lactate to "
                               "pyruvate provides it.")},

    {atpNeeded,
     [](const S& s) { return double(s.totallactate) * muscleGlycogenAtp; },
     QT_TRANSLATE_NOOP("Slip", "Not yet: the %1 ATP are the cost for 2 lactate, and you took them "
                               "for each lactate."),
     {fixed(muscleGlycogenAtp)}},
    {atpNeeded,
     [](const S& s) { return Arithmetic::atpFor(double(s.totallactate), double(glucoseAtp)); },
     QT_TRANSLATE_NOOP("Slip", "Not yet: %1 ATP for 2 lactate is the cost of glucose; this lactate "
                               "becomes muscle glycogen."),
     {fixed(glucoseAtp)}},
    {atpNeeded,
     [](const S& s) {
         return Arithmetic::atpFor(double(s.totallactate), double(liverGlycogenAtp));
     },
     QT_TRANSLATE_NOOP("Slip", "Not yet: %1 ATP for 2 lactate is the cost of liver glycogen; this "
                               "lactate becomes muscle glycogen."),
     {fixed(liverGlycogenAtp)}},

    {lactateOxidised,
     [](const S& s) { return double(s.atpneeded) / oldAtpPerLactateOxidised; },
     QT_TRANSLATE_NOOP("Slip", "Not yet: that counts %1 ATP per NADH and %2 per FADH2, %3 per "
                               "lactate; take %4 and %5, which give %6."),
     {fixed(oldAtpPerNadh), fixed(oldAtpPerFadh2), fixed(oldAtpPerLactateOxidised),
      fixed(atpPerNadh), fixed(atpPerFadh2), fixed(atpPerLactateOxidised)}},
    {lactateOxidised,
     [](const S& s) {
         return double(s.atpneeded) / (atpPerLactateOxidised - nadhFromLactate * atpPerNadh);
     },
     QT_TRANSLATE_NOOP("Slip", "Not yet: the NADH from lactate to pyruvate is left out; it yields "
                               "%1 ATP as well, %2 in all."),
     {fixed(atpPerNadh), fixed(atpPerLactateOxidised)}},
    {lactateOxidised,
     [](const S& s) { return double(s.atpneeded) / cycleAtp; },
     QT_TRANSLATE_NOOP("Slip", "Not yet: that counts the citric acid cycle only; the NADH from "
                               "lactate to pyruvate and from pyruvate to acetyl CoA yield %1 ATP "
                               "each, %2 in all."),
     {fixed(atpPerNadh), fixed(atpPerLactateOxidised)}},
    {lactateOxidised,
     [](const S& s) { return double(s.atpneeded) * atpPerLactateOxidised; },
     QT_TRANSLATE_NOOP("Slip", "Not yet: you multiplied by the %1 ATP each lactate yields; the ATP "
                               "needed is to be divided by it."),
     {fixed(atpPerLactateOxidised)}},

    {extraOxygen,
     [](const S& s) { return s.massoxidised * oxygenPerGram; },
     QT_TRANSLATE_NOOP("Slip", "Not yet: the mass is in mg: %1 mg is to be divided by 1000 before "
                               "it is multiplied by %2 L per gram."),
     {&S::massoxidised, fixed(oxygenPerGram)}},
    {extraOxygen,
     [](const S& s) { return double(s.lactateoxidised) * oxygenPerGram; },
     QT_TRANSLATE_NOOP("Slip", "Not yet: the %1 L is for each gram, not each mmol: the molecular "
                               "mass, %2, turns %3 mmol into mg."),
     {fixed(oxygenPerGram), fixed(lactateMolarMass), &S::lactateoxidised}},
    {extraOxygen,
     [](const S& s) { return s.massoxidised / 1000; },
     QT_TRANSLATE_NOOP("Slip", "Not yet: that is the mass of lactate in grams; each gram consumes "
                               "%1 L of oxygen."),
     {fixed(oxygenPerGram)}},

    {percentIncrease,
     [](const S& s) { return percentOf(s.extraoxygen, s.oxygenperday); },
     QT_TRANSLATE_NOOP("Slip", "Not yet: that compares with the oxygen of a whole day, %1 L; the "
                               "question asks about 30 minutes, a day having %2 of them."),
     {&S::oxygenperday, fixed(halfHoursPerDay)}},
    {percentIncrease, [](const S& s) { return percentOf(s.extraoxygen, s.oxygenper30min) / 100; },
     QT_TRANSLATE_NOOP("Slip", "Not yet: that is a fraction; a percentage is 100 times it.")},
    {percentIncrease,
     [](const S& s) { return percentOf(s.extraoxygen, s.oxygenperday / hoursPerDay); },
     QT_TRANSLATE_NOOP("Slip", "Not yet: that compares with the oxygen of an hour, a day having %1 "
                               "of them; the question asks about 30 minutes, a day having %2 of "
                               "them."),
     {fixed(hoursPerDay), fixed(halfHoursPerDay)}},
    {percentIncrease,
     [](const S& s) { return percentOf(s.extraoxygen, s.oxygenper30min + s.extraoxygen); },
     QT_TRANSLATE_NOOP("Slip", "Not yet: that is the extra oxygen as a share of all the oxygen "
                               "used; the increase is measured against the usual %1 L per 30 "
                               "minutes."),
     {&S::oxygenper30min}},
};

} // namespace

QString Slip::hintText(const Scenario& s) const {
    return withNumbers(QCoreApplication::translate(context, hint), quotes, s);
}

QString Slip::hintForClass() const {
    QString filled = QCoreApplication::translate(context, hint);
    for (const ScenarioNumber& quote : quotes)
        if (quote)
            filled =
                filled.arg(quote.isConstant ? quote.text(Scenario()) : QStringLiteral("\u2026"));
    return filled;
}

std::span<const Slip> slips() {
    return table;
}
