#include "exercisetexts.h"

#include "model/constants.h"

using namespace Print;
using namespace Constants;

namespace Texts {

// An empty Line {} prints an empty line.

const Block statement = {
    {tab(5), text("You are considering a "), word(&Scenario::person), text(" who weighs "),
     number(&Scenario::weight), text(" kg. "), word(&Scenario::subjectcap),
     text("  has just completed a 100 m sprint.")},
    {},
    {tab(5), text("Before the race "), word(&Scenario::possessive), text(" plasma lactate was "),
     number(&Scenario::lactatebefore), text(" mmol /L")},
    {tab(5), text("Immediately after the race  "), word(&Scenario::possessive),
     text("  plasma lactate was "), number(&Scenario::lactateafter), text(" mmol /L")},
    {tab(5), text("30 minutes later  "), word(&Scenario::possessive), text("  plasma lactate was "),
     number(&Scenario::lactatelater), text(" mmol /L")},
    {},
    {text("1)"), tab(5), text("Assuming that extracellular fluid is "), constant(ecfPercent),
     text("% of body weight,")},
    {tab(5), text("what is the total amount of lactate that "), word(&Scenario::subject),
     text(" has metabolised in 30 minutes?")},
};

const Block answer1 = {
    {},
    {tab(5), text("Extracellular fluid = "), constant(ecfPercent / 100.0), text(" x "),
     number(&Scenario::weight), text(" = "), number(&Scenario::ecf),
     text(" L   (You can assume that 1 kg of ecf = 1 L)")},
    {},
    {tab(5), text("Over 30 min "), word(&Scenario::possessive), text(" plasma lactate falls by "),
     number(&Scenario::lactatefall), text(" mmol/L")},
    {},
    {tab(5), text("Total lactate metabolised = "), number(&Scenario::lactatefall), text(" x "),
     number(&Scenario::ecf), text(" = "), number(&Scenario::totallactate), text(" mmol")},
};

const Block question2 = {
    {},
    {tab(5),
     text("Most of this lactate will be taken up by the liver and used for gluconeogenesis.")},
    {tab(5), text("Some will be used for synthesis of liver glycogen, but most will be released "
                  "from the liver as glucose")},
    {tab(5), text("and used for glycogen synthesis in muscle.")},
    {},
    {text("2)"), tab(5),
     text("What is the total cost in ATP (summing ATP, GTP and UTP) for synthesis of:")},
    {tab(10), text("glucose from 2 x lactate")},
    {tab(10), text("liver glycogen from 2 x lactate")},
    {tab(10), text("muscle glycogen from 2 x lactate")},
};

const Block answer2 = {
    {},
    {tab(5), text("Synthesis of glucose from 2 x lactate uses "), constant(glucoseAtp),
     text(" x ATP")},
    {tab(5), text("Synthesis of liver glycogen from 2 x lactate uses "), constant(liverGlycogenAtp),
     text(" x ATP")},
    {tab(5), text("Synthesis of muscle glycogen from 2 x lactate uses "),
     constant(muscleGlycogenAtp), text(" x ATP")},
    {},
    {tab(5), text("Although gluconogenesis from pyruvate requires NADH, this is provided by the "
                  "oxidation of lactate to pyruvate.")},
};

const Block question3 = {
    {},
    {text("3)"), tab(5),
     text("How much ATP would be required to convert all of the lactate that has been "
          "metabolised to muscle glycogen?")},
};

const Block answer3 = {
    {},
    {tab(5), number(&Scenario::totallactate),
     text(" mmol of lactate has been metabolised; this will require ("),
     number(&Scenario::totallactate), text(" / 2 x "), constant(muscleGlycogenAtp), text(" ) = "),
     number(&Scenario::atpneeded), text(" mmol ATP")},
};

const Block question4 = {
    {},
    {text("4)"), tab(5),
     text(" How much lactate must undergo total oxidation to carbon dioxide and water")},
    {tab(5), text("(via lactate dehydrogenase, pyruvate dehydrogenase and the citric acid cycle) "
                  "to provide this ATP?")},
};

const Block answer4 = {
    {tab(5), text("1 mol of lactate oxidised to pyruvate yields 1 x NADH =~2.5 ATP")},
    {tab(5), text("1 mol of pyruvate oxidised to acetyl CoA yields 1 x NADH =~2.5 ATP")},
    {tab(5), text("1 mol of acetate oxidised in the citric acid cycle yields:")},
    {tab(10), text("3 x NADH =~7.5 ATP")},
    {tab(10), text("1 x FADH =~1.5 ATP")},
    {tab(10), text("1 x GTP = 1 ATP")},
    {},
    {tab(5), text("Total "), constant(atpPerLactateOxidised),
     text(" ATP produced per lactate oxidised; "), word(&Scenario::subject), text(" needs "),
     number(&Scenario::atpneeded), text("mmol ATP")},
    {tab(5), text("therefore "), word(&Scenario::subject), text(" must oxidise "),
     number(&Scenario::atpneeded), text("/"), constant(atpPerLactateOxidised), text(" = "),
     number(&Scenario::lactateoxidised), text(" mmol lactate.")},
};

const Block question5 = {
    {},
    {tab(5), text("The oxidation of lactate, like that of glucose, consumes "),
     constant(oxygenPerGram), text(" L of oxygen per gram.")},
    {tab(5), text("The molecular mass of lactate is "), constant(lactateMolarMass), text(".")},
    {},
    {text("5)"), tab(5), text("What is "), word(&Scenario::possessive),
     text(" additional oxygen consumption (in L) over the 30 minutes after the end of the race?")},
};

const Block answer5 = {
    {tab(5), number(&Scenario::lactateoxidised), text(" mmol lactate = "),
     number(&Scenario::lactateoxidised), text("x "), constant(lactateMolarMass), text("  = "),
     number(&Scenario::massoxidised), text(" mg")},
    {},
    {tab(5), text("Additional oxygen consumed = ("), number(&Scenario::massoxidised),
     text(" / 1000) x "), constant(oxygenPerGram), text(" = "), number(&Scenario::extraoxygen),
     text(" L")},
    {},
    {tab(5), text("This is oxygen debt - the extra oxygen that is consumed in the metabolism of "
                  "lactate to provide")},
    {tab(5), text("the ATP that is required for gluconeogenesis and the formation of glycogen.")},
};

const Block question6 = {
    {},
    {text("6)"), tab(5), text("Assuming that "), word(&Scenario::possessive),
     text(" total energy expenditure is "), number(&Scenario::energyexpenditure),
     text("MJ perday")},
    {tab(5), text("and that regardless of the fuel being metabolised the energy yield is "),
     constant(kilojoulesPerLitreOxygen), text(" kJ per L oxygen consumed")},
    {tab(5), text("what is the pecentage increase in "), word(&Scenario::possessive),
     text(" oxygen consumption during this 30 minutes?")},
};

const Block answer6 = {
    {tab(5), text("total oxygen consumed = total energy expenditure (MJ) x 1000 / "),
     constant(kilojoulesPerLitreOxygen), text(" = "), number(&Scenario::energyexpenditure),
     text("x 1000 / "), constant(kilojoulesPerLitreOxygen), text(" = "),
     number(&Scenario::oxygenperday), text(" L oxygen /day")},
    {tab(5), text("= "), number(&Scenario::oxygenperday), text(" /"), constant(halfHoursPerDay),
     text(" = "), number(&Scenario::oxygenper30min), text(" L oxygen per 30 minutes")},
    {},
    {tab(5), text("percent increase in oxygen consumption = 100 x "),
     number(&Scenario::extraoxygen), text(" / "), number(&Scenario::oxygenper30min), text("= "),
     number(&Scenario::percentincrease), text("%")},
};

} // namespace Texts
