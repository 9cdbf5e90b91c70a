#include "exercisetexts.h"

#include "model/constants.h"

#include <QCoreApplication>

using namespace Print;
using namespace Constants;
using S = Scenario;

// Each line is a whole sentence for a translator, its numbers as places:
// the subject's numbers are printed with a blank on either side, as the
// window has always printed them, the constants without. A "\n" breaks a
// sentence into the printed lines it takes; a translation may break it
// elsewhere, or into more lines. An empty Line {} prints an empty line.
//
// The English sentences are the exercise's own, to the character: its slips
// ("gluconogenesis", "perday", "pecentage", "FADH" for FADH2) and its doubled
// and leading blanks are kept on purpose, and must not be mended here. A
// translation carries their meaning, correctly spelt.

namespace Texts {

const Block statement = {
    {.column = 5,
     //: %1 is the subject's weight. The doubled blank is the English exercise's own.
     .man = QT_TRANSLATE_NOOP("Exercise", "You are considering a man who weighs %1 kg. He  has "
                                          "just completed a 100 m sprint."),
     .woman = QT_TRANSLATE_NOOP("Exercise", "You are considering a woman who weighs %1 kg. She  "
                                            "has just completed a 100 m sprint."),
     .places = {number(&S::weight)}},
    {},
    {.column = 5,
     .man = QT_TRANSLATE_NOOP("Exercise", "Before the race his plasma lactate was %1 mmol /L"),
     .woman = QT_TRANSLATE_NOOP("Exercise", "Before the race her plasma lactate was %1 mmol /L"),
     .places = {number(&S::lactatebefore)}},
    {.column = 5,
     //: The doubled blanks are the English exercise's own.
     .man = QT_TRANSLATE_NOOP("Exercise",
                              "Immediately after the race  his  plasma lactate was %1 mmol /L"),
     .woman = QT_TRANSLATE_NOOP("Exercise",
                                "Immediately after the race  her  plasma lactate was %1 mmol /L"),
     .places = {number(&S::lactateafter)}},
    {.column = 5,
     //: The doubled blanks are the English exercise's own.
     .man = QT_TRANSLATE_NOOP("Exercise", "30 minutes later  his  plasma lactate was %1 mmol /L"),
     .woman = QT_TRANSLATE_NOOP("Exercise", "30 minutes later  her  plasma lactate was %1 mmol /L"),
     .places = {number(&S::lactatelater)}},
    {},
    {.label = "1)",
     .column = 5,
     //: %1 is a percentage.
     .man = QT_TRANSLATE_NOOP("Exercise", "Assuming that extracellular fluid is %1% of body "
                                          "weight,\nwhat is the total amount of lactate that he "
                                          "has metabolised in 30 minutes?"),
     .woman = QT_TRANSLATE_NOOP("Exercise", "Assuming that extracellular fluid is %1% of body "
                                            "weight,\nwhat is the total amount of lactate that "
                                            "she has metabolised in 30 minutes?"),
     .places = {constant(ecfPercent)}},
};

const Block answer1 = {
    {},
    {.column = 5,
     //: %1 is the share of body weight, %2 the weight, %3 the volume of extracellular fluid.
     .text = QT_TRANSLATE_NOOP("Exercise", "Extracellular fluid = %1 x %2 = %3 L   (You can "
                                           "assume that 1 kg of ecf = 1 L)"),
     .places = {constant(ecfPercent / 100.0), number(&S::weight), number(&S::ecf)}},
    {},
    {.column = 5,
     .man = QT_TRANSLATE_NOOP("Exercise", "Over 30 min his plasma lactate falls by %1 mmol/L"),
     .woman = QT_TRANSLATE_NOOP("Exercise", "Over 30 min her plasma lactate falls by %1 mmol/L"),
     .places = {number(&S::lactatefall)}},
    {},
    {.column = 5,
     .text = QT_TRANSLATE_NOOP("Exercise", "Total lactate metabolised = %1 x %2 = %3 mmol"),
     .places = {number(&S::lactatefall), number(&S::ecf), number(&S::totallactate)}},
};

const Block question2 = {
    {},
    {.column = 5,
     .text = QT_TRANSLATE_NOOP("Exercise", "Most of this lactate will be taken up by the liver "
                                           "and used for gluconeogenesis.")},
    {.column = 5,
     .text = QT_TRANSLATE_NOOP("Exercise", "Some will be used for synthesis of liver glycogen, "
                                           "but most will be released from the liver as "
                                           "glucose\nand used for glycogen synthesis in muscle.")},
    {},
    {.label = "2)",
     .column = 5,
     .text = QT_TRANSLATE_NOOP("Exercise", "What is the total cost in ATP (summing ATP, GTP and "
                                           "UTP) for synthesis of:")},
    //: The three products of question 2, each a line of their own under the question.
    {.column = 10, .text = QT_TRANSLATE_NOOP("Exercise", "glucose from 2 x lactate")},
    {.column = 10, .text = QT_TRANSLATE_NOOP("Exercise", "liver glycogen from 2 x lactate")},
    {.column = 10, .text = QT_TRANSLATE_NOOP("Exercise", "muscle glycogen from 2 x lactate")},
};

const Block answer2 = {
    {},
    {.column = 5,
     .text = QT_TRANSLATE_NOOP("Exercise", "Synthesis of glucose from 2 x lactate uses %1 x ATP"),
     .places = {constant(glucoseAtp)}},
    {.column = 5,
     .text = QT_TRANSLATE_NOOP("Exercise",
                               "Synthesis of liver glycogen from 2 x lactate uses %1 x ATP"),
     .places = {constant(liverGlycogenAtp)}},
    {.column = 5,
     .text = QT_TRANSLATE_NOOP("Exercise",
                               "Synthesis of muscle glycogen from 2 x lactate uses %1 x ATP"),
     .places = {constant(muscleGlycogenAtp)}},
    {},
    {.column = 5,
     //: "gluconogenesis" is the English exercise's own slip for gluconeogenesis: write the word
     //: correctly. The NADH that gluconeogenesis uses is supplied by the oxidation of lactate.
     .text = QT_TRANSLATE_NOOP("Exercise", "Although gluconogenesis from pyruvate requires NADH, "
                                           "this is provided by the oxidation of lactate to "
                                           "pyruvate.")},
};

const Block question3 = {
    {},
    {.label = "3)",
     .column = 5,
     .text = QT_TRANSLATE_NOOP("Exercise", "How much ATP would be required to convert all of the "
                                           "lactate that has been metabolised to muscle "
                                           "glycogen?")},
};

const Block answer3 = {
    {},
    {.column = 5,
     //: %1 and %2 are the lactate metabolised, %3 the ATP for 2 lactate, %4 the ATP required.
     .text = QT_TRANSLATE_NOOP("Exercise", "%1 mmol of lactate has been metabolised; this will "
                                           "require (%2 / 2 x %3 ) = %4 mmol ATP"),
     .places = {number(&S::totallactate), number(&S::totallactate), constant(muscleGlycogenAtp),
                number(&S::atpneeded)}},
};

const Block question4 = {
    {},
    {.label = "4)",
     .column = 5,
     //: The leading blank is the English exercise's own.
     .text = QT_TRANSLATE_NOOP("Exercise", " How much lactate must undergo total oxidation to "
                                           "carbon dioxide and water\n(via lactate dehydrogenase, "
                                           "pyruvate dehydrogenase and the citric acid cycle) to "
                                           "provide this ATP?")},
};

const Block answer4 = {
    {.column = 5,
     //: %1 NADH, each worth about %2 ATP.
     .text = QT_TRANSLATE_NOOP("Exercise",
                               "1 mol of lactate oxidised to pyruvate yields %1 x NADH =~%2 ATP"),
     .places = {constant(nadhFromLactate), constant(nadhFromLactate* atpPerNadh)}},
    {.column = 5,
     .text = QT_TRANSLATE_NOOP(
         "Exercise", "1 mol of pyruvate oxidised to acetyl CoA yields %1 x NADH =~%2 ATP"),
     .places = {constant(nadhFromPyruvate), constant(nadhFromPyruvate* atpPerNadh)}},
    {.column = 5,
     .text = QT_TRANSLATE_NOOP("Exercise",
                               "1 mol of acetate oxidised in the citric acid cycle yields:")},
    //: What the citric acid cycle yields, a line each under the line before.
    {.column = 10,
     .text = QT_TRANSLATE_NOOP("Exercise", "%1 x NADH =~%2 ATP"),
     .places = {constant(nadhInCycle), constant(nadhInCycle* atpPerNadh)}},
    {.column = 10,
     //: "FADH" is the English exercise's own for FADH2: write FADH2.
     .text = QT_TRANSLATE_NOOP("Exercise", "%1 x FADH =~%2 ATP"),
     .places = {constant(fadh2InCycle), constant(fadh2InCycle* atpPerFadh2)}},
    {.column = 10,
     .text = QT_TRANSLATE_NOOP("Exercise", "%1 x GTP = %2 ATP"),
     .places = {constant(gtpInCycle), constant(gtpInCycle* atpPerGtp)}},
    {},
    {.column = 5,
     //: %1 and %4 are the ATP per lactate, %2 and %3 the ATP needed, %5 the lactate to oxidise.
     .man = QT_TRANSLATE_NOOP("Exercise", "Total %1 ATP produced per lactate oxidised; he needs "
                                          "%2mmol ATP\ntherefore he must oxidise %3/%4 = %5 mmol "
                                          "lactate."),
     .woman = QT_TRANSLATE_NOOP("Exercise", "Total %1 ATP produced per lactate oxidised; she "
                                            "needs %2mmol ATP\ntherefore she must oxidise %3/%4 = "
                                            "%5 mmol lactate."),
     .places = {constant(atpPerLactateOxidised), number(&S::atpneeded), number(&S::atpneeded),
                constant(atpPerLactateOxidised), number(&S::lactateoxidised)}},
};

const Block question5 = {
    {},
    {.column = 5,
     .text = QT_TRANSLATE_NOOP("Exercise", "The oxidation of lactate, like that of glucose, "
                                           "consumes %1 L of oxygen per gram."),
     .places = {constant(oxygenPerGram)}},
    {.column = 5,
     .text = QT_TRANSLATE_NOOP("Exercise", "The molecular mass of lactate is %1."),
     .places = {constant(lactateMolarMass)}},
    {},
    {.label = "5)",
     .column = 5,
     .man = QT_TRANSLATE_NOOP("Exercise", "What is his additional oxygen consumption (in L) over "
                                          "the 30 minutes after the end of the race?"),
     .woman = QT_TRANSLATE_NOOP("Exercise", "What is her additional oxygen consumption (in L) "
                                            "over the 30 minutes after the end of the race?")},
};

const Block answer5 = {
    {.column = 5,
     //: %1 and %2 are the lactate to oxidise, %3 its molecular mass, %4 its mass. The doubled
     //: blank is the English exercise's own.
     .text = QT_TRANSLATE_NOOP("Exercise", "%1 mmol lactate = %2x %3  = %4 mg"),
     .places = {number(&S::lactateoxidised), number(&S::lactateoxidised),
                constant(lactateMolarMass), number(&S::massoxidised)}},
    {},
    {.column = 5,
     .text = QT_TRANSLATE_NOOP("Exercise", "Additional oxygen consumed = (%1 / 1000) x %2 = %3 L"),
     .places = {number(&S::massoxidised), constant(oxygenPerGram), number(&S::extraoxygen)}},
    {},
    {.column = 5,
     .text = QT_TRANSLATE_NOOP("Exercise", "This is oxygen debt - the extra oxygen that is "
                                           "consumed in the metabolism of lactate to provide\nthe "
                                           "ATP that is required for gluconeogenesis and the "
                                           "formation of glycogen.")},
};

const Block question6 = {
    {},
    {.label = "6)",
     .column = 5,
     //: %1 is the total energy expenditure, %2 the energy each litre of oxygen yields.
     //: "perday" and "pecentage" are the English exercise's own slips: write "per day" and
     //: "percentage" correctly.
     .man = QT_TRANSLATE_NOOP("Exercise", "Assuming that his total energy expenditure is %1MJ "
                                          "perday\nand that regardless of the fuel being "
                                          "metabolised the energy yield is %2 kJ per L oxygen "
                                          "consumed\nwhat is the pecentage increase in his "
                                          "oxygen consumption during this 30 minutes?"),
     .woman = QT_TRANSLATE_NOOP("Exercise", "Assuming that her total energy expenditure is %1MJ "
                                            "perday\nand that regardless of the fuel being "
                                            "metabolised the energy yield is %2 kJ per L oxygen "
                                            "consumed\nwhat is the pecentage increase in her "
                                            "oxygen consumption during this 30 minutes?"),
     .places = {number(&S::energyexpenditure), constant(kilojoulesPerLitreOxygen)}},
};

const Block answer6 = {
    {.column = 5,
     //: %1 and %3 are the kJ per litre of oxygen, %2 the energy expenditure, %4 the litres a day.
     .text = QT_TRANSLATE_NOOP("Exercise", "total oxygen consumed = total energy expenditure (MJ) "
                                           "x 1000 / %1 = %2x 1000 / %3 = %4 L oxygen /day"),
     .places = {constant(kilojoulesPerLitreOxygen), number(&S::energyexpenditure),
                constant(kilojoulesPerLitreOxygen), number(&S::oxygenperday)}},
    {.column = 5,
     //: %1 is the litres a day, %2 the half hours of a day, %3 the litres per 30 minutes.
     .text = QT_TRANSLATE_NOOP("Exercise", "= %1 /%2 = %3 L oxygen per 30 minutes"),
     .places = {number(&S::oxygenperday), constant(halfHoursPerDay), number(&S::oxygenper30min)}},
    {},
    {.column = 5,
     //: %1 is the additional oxygen, %2 the litres per 30 minutes, %3 the percentage.
     .text = QT_TRANSLATE_NOOP("Exercise", "percent increase in oxygen consumption = 100 x %1 / "
                                           "%2= %3%"),
     .places = {number(&S::extraoxygen), number(&S::oxygenper30min), number(&S::percentincrease)}},
};

} // namespace Texts
