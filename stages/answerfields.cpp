#include "answerfields.h"

#include "model/constants.h"
#include "printitem.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

namespace {

using S = Scenario;
using enum Field;
using namespace Constants;

constexpr const char* context = "AnswerField";

constexpr AnswerField measured(Field field, int question, const char* label, QStringView unit,
                               QStringView otherUnit, ScenarioNumber worked, const char* fact,
                               std::array<ScenarioNumber, 2> factNumbers = {}) {
    return {field, question, label, unit, otherUnit, worked, 0, fact, factNumbers, nullptr};
}

// Question 2 asks for counts of ATP, which have no subject in them.
constexpr AnswerField counted(Field field, const char* label, const char* part, int count,
                              const char* fact) {
    return {field, 2, label, u"ATP", u"x ATP", {}, count, fact, {}, part};
}

// In the order of the questions, so that each question's fields sit together.
constexpr AnswerField fields[] = {
    measured(totalLactate, 1, QT_TRANSLATE_NOOP("AnswerField", "Total lactate metabolised"),
             u"mmol", {}, &S::totallactate,
             QT_TRANSLATE_NOOP("AnswerField",
                               "Not yet: extracellular fluid is %1 % of body weight; follow the "
                               "lactate over the 30 minutes after the race."),
             {fixed(ecfPercent)}),
    counted(glucoseCost, QT_TRANSLATE_NOOP("AnswerField", "Glucose from 2 x lactate"),
            //: The part of question 2 that a line of the summary is about.
            QT_TRANSLATE_NOOP("AnswerField", "glucose"), glucoseAtp,
            QT_TRANSLATE_NOOP("AnswerField", "Not yet: count every ATP, GTP and UTP used to make "
                                             "glucose from 2 lactate.")),
    counted(liverGlycogenCost, QT_TRANSLATE_NOOP("AnswerField", "Liver glycogen from 2 x lactate"),
            //: The part of question 2 that a line of the summary is about.
            QT_TRANSLATE_NOOP("AnswerField", "liver glycogen"), liverGlycogenAtp,
            QT_TRANSLATE_NOOP("AnswerField", "Not yet: count every ATP, GTP and UTP used to make "
                                             "liver glycogen from 2 lactate.")),
    counted(muscleGlycogenCost,
            QT_TRANSLATE_NOOP("AnswerField", "Muscle glycogen from 2 x lactate"),
            //: The part of question 2 that a line of the summary is about.
            QT_TRANSLATE_NOOP("AnswerField", "muscle glycogen"), muscleGlycogenAtp,
            QT_TRANSLATE_NOOP("AnswerField", "Not yet: count every ATP, GTP and UTP used to make "
                                             "muscle glycogen from 2 lactate.")),
    measured(atpNeeded, 3, QT_TRANSLATE_NOOP("AnswerField", "ATP required"), u"mmol", u"mmol ATP",
             &S::atpneeded,
             QT_TRANSLATE_NOOP("AnswerField", "Not yet: all of the lactate metabolised is to "
                                              "become muscle glycogen.")),
    measured(lactateOxidised, 4, QT_TRANSLATE_NOOP("AnswerField", "Lactate to be oxidised"),
             u"mmol", u"mmol lactate", &S::lactateoxidised,
             QT_TRANSLATE_NOOP("AnswerField",
                               "Not yet: the lactate is oxidised all the way to carbon dioxide "
                               "and water, through lactate dehydrogenase, pyruvate dehydrogenase "
                               "and the citric acid cycle.")),
    measured(extraOxygen, 5, QT_TRANSLATE_NOOP("AnswerField", "Additional oxygen"), u"L", {},
             &S::extraoxygen,
             QT_TRANSLATE_NOOP("AnswerField", "Not yet: oxidation consumes %1 L of oxygen per "
                                              "gram of lactate, whose molecular mass is %2."),
             {fixed(oxygenPerGram), fixed(lactateMolarMass)}),
    measured(percentIncrease, 6, QT_TRANSLATE_NOOP("AnswerField", "Increase in oxygen consumption"),
             u"%", {}, &S::percentincrease,
             QT_TRANSLATE_NOOP("AnswerField",
                               "Not yet: total energy expenditure is %1 MJ per day, and each "
                               "litre of oxygen consumed yields %2 kJ."),
             {&S::energyexpenditure, fixed(kilojoulesPerLitreOxygen)}),
};

constexpr bool inFieldOrder() {
    for (int i = 0; i < fieldCount; ++i)
        if (int(fields[i].field) != i)
            return false;
    return std::size(fields) == fieldCount;
}
static_assert(inFieldOrder(), "answerField() looks a field up by its place in the table");

} // namespace

QString AnswerField::labelText() const {
    return QCoreApplication::translate(context, label);
}

QString AnswerField::spokenName() const {
    //: What a screen reader calls an answer field: its label, then its unit.
    return QCoreApplication::translate(context, "%1, %2").arg(labelText(), unit.toString());
}

QString AnswerField::partText() const {
    return part ? QCoreApplication::translate(context, part) : QString();
}

QString AnswerField::factText(const Scenario& s) const {
    return withNumbers(QCoreApplication::translate(context, fact), factNumbers, s);
}

std::span<const AnswerField> answerFields() {
    return fields;
}

const AnswerField& answerField(Field field) {
    return fields[int(field)];
}

std::span<const AnswerField> questionFields(int question) {
    const auto first = std::find_if(std::begin(fields), std::end(fields),
                                    [&](const AnswerField& f) { return f.question == question; });
    const auto last = std::find_if(first, std::end(fields),
                                   [&](const AnswerField& f) { return f.question != question; });
    return {first, last};
}

QString withUnit(double value, const AnswerField& field) {
    return PrintItem::decimal(value) + (field.unit == u"%" ? QString() : QStringLiteral(" ")) +
           field.unit.toString();
}
