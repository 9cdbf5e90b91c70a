#include "pathways.h"

#include "exercise.h"
#include "model/constants.h"

#include <QCoreApplication>

namespace {

using namespace Constants;

// The NADH one lactate gives on its way to carbon dioxide and water.
constexpr int nadhPerLactate = nadhFromLactate + nadhFromPyruvate + nadhInCycle;

constexpr PathwayStep gluconeogenesisSteps[] = {
    {QT_TRANSLATE_NOOP("Pathway",
                       "Gluconeogenesis from lactate, and glycogen made in the liver and "
                       "in muscle. Read from the bottom.")},
    {QT_TRANSLATE_NOOP(
        "Pathway",
        "2 x lactate is oxidised to 2 x pyruvate; this step uses 2 x NAD+ and gives 2 x NADH.")},
    {QT_TRANSLATE_NOOP("Pathway", "In the liver, 2 x pyruvate is made into glucose 6-phosphate in "
                                  "three steps, drawn as three arrows going up.")},
    {QT_TRANSLATE_NOOP(
        "Pathway",
        "The first step uses 4 x ATP and gives 4 x ADP, and uses 2 x GTP and gives 2 x GDP.")},
    {QT_TRANSLATE_NOOP("Pathway", "The second step uses the 2 x NADH and gives 2 x NAD+.")},
    {QT_TRANSLATE_NOOP("Pathway", "The third step ends at glucose 6-phosphate, drawn as its "
                                  "open-chain formula with a phosphate group on carbon 6.")},
    {QT_TRANSLATE_NOOP(
        "Pathway",
        "In the liver, glucose 6-phosphate is turned into free glucose, which leaves the liver.")},
    {QT_TRANSLATE_NOOP("Pathway", "Or, in the liver, glucose 6-phosphate is made into glycogen; "
                                  "this step uses UTP and gives UDP + Pi.")},
    {QT_TRANSLATE_NOOP("Pathway",
                       "The free glucose is carried in the blood to muscle, the yellow panel.")},
    {QT_TRANSLATE_NOOP(
        "Pathway",
        "In muscle, glucose is made into glucose 6-phosphate; this step uses ATP and gives ADP.")},
    {QT_TRANSLATE_NOOP("Pathway", "In muscle, glucose 6-phosphate is made into glycogen; this step "
                                  "uses UTP and gives UDP + Pi.")},
    //: %1 nucleoside triphosphates in all: %2 ATP and %3 GTP.
    {QT_TRANSLATE_NOOP("Pathway", "Totals: making glucose from 2 x lactate uses %1 nucleoside "
                                  "triphosphates (%2 ATP and %3 GTP)."),
     {fixed(glucoseAtp), fixed(glucoseAtp - gtpForGlucose), fixed(gtpForGlucose)}},
    //: %1 in all: the %2 for glucose and %3 UTP.
    {QT_TRANSLATE_NOOP("Pathway", "Making liver glycogen uses %1 (the %2 for glucose and %3 UTP in "
                                  "the liver)."),
     {fixed(liverGlycogenAtp), fixed(glucoseAtp), fixed(utpForGlycogen)}},
    //: %1 in all: the %2 for glucose, %3 ATP and %4 UTP.
    {QT_TRANSLATE_NOOP("Pathway", "Making muscle glycogen uses %1 (the %2 for glucose, %3 ATP and "
                                  "%4 UTP in muscle)."),
     {fixed(muscleGlycogenAtp), fixed(glucoseAtp), fixed(atpForMusclePhosphorylation),
      fixed(utpForGlycogen)}},
};

constexpr PathwayStep citricAcidCycleSteps[] = {
    {QT_TRANSLATE_NOOP(
        "Pathway",
        "Complete oxidation of lactate through pyruvate, acetyl CoA and the citric acid cycle.")},
    {QT_TRANSLATE_NOOP("Pathway",
                       "Lactate is oxidised to pyruvate; this step uses NAD+ and gives NADH.")},
    {QT_TRANSLATE_NOOP("Pathway", "Pyruvate is converted to acetyl CoA; this step uses NAD+ and "
                                  "gives NADH, and gives off CO2.")},
    {QT_TRANSLATE_NOOP("Pathway", "Acetyl CoA (2 carbons) joins oxaloacetate (4 carbons) to make "
                                  "citrate (6 carbons); this step gives off CoASH.")},
    {QT_TRANSLATE_NOOP("Pathway", "Citrate is rearranged to isocitrate (6 carbons).")},
    {QT_TRANSLATE_NOOP("Pathway", "Isocitrate is oxidised to alpha-ketoglutarate (5 carbons); this "
                                  "step uses NAD+ and gives NADH, and gives off CO2.")},
    {QT_TRANSLATE_NOOP("Pathway",
                       "Alpha-ketoglutarate is converted to succinyl CoA (4 carbons); this step "
                       "uses CoASH and NAD+ and gives NADH, and gives off CO2.")},
    {QT_TRANSLATE_NOOP("Pathway", "Succinyl CoA is converted to succinate (4 carbons); this step "
                                  "gives off CoASH, and uses GDP + Pi and gives GTP.")},
    {QT_TRANSLATE_NOOP(
        "Pathway",
        "Succinate is oxidised to fumarate (4 carbons); this step uses FAD and gives FADH2.")},
    {QT_TRANSLATE_NOOP("Pathway", "Fumarate takes up H2O to make malate (4 carbons).")},
    {QT_TRANSLATE_NOOP("Pathway",
                       "Malate is oxidised to oxaloacetate (4 carbons), which closes the "
                       "cycle; this step uses NAD+ and gives NADH.")},
    {QT_TRANSLATE_NOOP("Pathway", "The box in the middle of the cycle gives the exchange rates: "
                                  "each NADH gives about %1 ATP, each FADH2 gives about %2 ATP."),
     {fixed(atpPerNadh), fixed(atpPerFadh2)}},
    {QT_TRANSLATE_NOOP("Pathway", "In total one lactate gives %1 NADH, %2 FADH2 and %3 GTP, which "
                                  "make %4 ATP."),
     {fixed(nadhPerLactate), fixed(fadh2InCycle), fixed(gtpInCycle), fixed(atpPerLactateOxidised)}},
};

constexpr PathwayInfo table[] = {
    {Pathway::Gluconeogenesis, Control::seepathway1, ":/assets/gluconeogenesis.svg",
     QT_TRANSLATE_NOOP("Pathway", "Gluconeogenesis from lactate"), true, "Form2",
     //: %1 is the program's title, "Korvanel calculation".
     QT_TRANSLATE_NOOP("Pathway", "%1: gluconeogenesis from lactate"),
     QT_TRANSLATE_NOOP("Pathway", "Pathway diagram: gluconeogenesis from lactate"),
     gluconeogenesisSteps},
    {Pathway::CitricAcidCycle, Control::seepathway2, ":/assets/citricacidcycle.svg",
     QT_TRANSLATE_NOOP("Pathway", "Lactate oxidation and the citric acid cycle"), false, "Form3",
     //: %1 is the program's title, "Korvanel calculation".
     QT_TRANSLATE_NOOP("Pathway", "%1: lactate oxidation and the citric acid cycle"),
     QT_TRANSLATE_NOOP("Pathway", "Pathway diagram: lactate oxidation and the citric acid cycle"),
     citricAcidCycleSteps},
};

static_assert(int(table[0].pathway) == 0 && int(table[1].pathway) == 1,
              "pathwayInfo() looks a pathway up by its place in the table");

//: The name of a compound as a label of a pathway diagram: short, as it has
//: little room.
constexpr const char* labels[] = {
    QT_TRANSLATE_NOOP("Diagram", "glucose"),
    QT_TRANSLATE_NOOP("Diagram", "glucose 6-phosphate"),
    QT_TRANSLATE_NOOP("Diagram", "glycogen"),
    QT_TRANSLATE_NOOP("Diagram", "2 x lactate"),
    QT_TRANSLATE_NOOP("Diagram", "2 x pyruvate"),
    QT_TRANSLATE_NOOP("Diagram", "lactate"),
    QT_TRANSLATE_NOOP("Diagram", "pyruvate"),
    QT_TRANSLATE_NOOP("Diagram", "acetyl CoA"),
    QT_TRANSLATE_NOOP("Diagram", "oxaloacetate"),
    QT_TRANSLATE_NOOP("Diagram", "citrate"),
    QT_TRANSLATE_NOOP("Diagram", "isocitrate"),
    QT_TRANSLATE_NOOP("Diagram", "α-ketoglutarate"),
    QT_TRANSLATE_NOOP("Diagram", "succinyl CoA"),
    QT_TRANSLATE_NOOP("Diagram", "succinate"),
    QT_TRANSLATE_NOOP("Diagram", "fumarate"),
    QT_TRANSLATE_NOOP("Diagram", "malate"),
    //: About 2.5 ATP for each NADH: write the number as your language writes decimals.
    QT_TRANSLATE_NOOP("Diagram", "~2.5 ATP"),
    QT_TRANSLATE_NOOP("Diagram", "~1.5 ATP"),
};

QString tr(const char* text) {
    return QCoreApplication::translate("Pathway", text);
}

} // namespace

QString PathwayInfo::titleText() const {
    return tr(title);
}

QString PathwayInfo::accessibleNameText() const {
    return tr(accessibleName).arg(Exercise::title());
}

QString PathwayInfo::descriptionText() const {
    return tr(description);
}

QString PathwayInfo::stepsText() const {
    QStringList sentences;
    for (const PathwayStep& step : steps)
        sentences.append(withNumbers(tr(step.text), step.numbers, Scenario()));
    return sentences.join(u'\n');
}

std::span<const PathwayInfo> pathways() {
    return table;
}

const PathwayInfo& pathwayInfo(Pathway pathway) {
    return table[int(pathway)];
}

QString diagramLabel(const QString& label) {
    const QByteArray source = label.toUtf8();
    return QCoreApplication::translate("Diagram", source.constData());
}

std::span<const char* const> translatedLabels() {
    return labels;
}
