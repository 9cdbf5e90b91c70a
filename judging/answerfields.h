// The fields a student fills in for the six questions, written as data: the
// label and unit a form shows, and the value the worked answer arrives at.
#pragma once

#include "model/scenario.h"

#include <QString>
#include <QStringView>

#include <span>

enum class Field {
    totalLactate,
    glucoseCost,
    liverGlycogenCost,
    muscleGlycogenCost,
    atpNeeded,
    lactateOxidised,
    extraOxygen,
    percentIncrease,
};

constexpr int fieldCount = 8;

// One number of the Scenario, in the precision it is computed in.
struct ScenarioNumber {
    float Scenario::*single = nullptr;
    double Scenario::*dbl = nullptr;

    constexpr ScenarioNumber() = default;
    constexpr ScenarioNumber(float Scenario::*f)
        : single(f) {}
    constexpr ScenarioNumber(double Scenario::*d)
        : dbl(d) {}

    explicit operator bool() const { return single || dbl; }
    double of(const Scenario& s) const { return single ? double(s.*single) : s.*dbl; }
    // As the worked answers print it: 14.4, not 14.3999996.
    QString text(const Scenario& s) const;
};

struct AnswerField {
    Field field;
    int question;
    QStringView label;
    QStringView unit;      // shown beside the field and accepted after the number
    QStringView otherUnit; // also accepted after the number, or empty
    ScenarioNumber worked; // the worked answer, or
    int count;             // the fixed count of question 2, which must be exact
    // What "Not yet" repeats from the question; %1 is `factNumber`.
    QStringView fact;
    ScenarioNumber factNumber;

    bool exact() const { return count > 0; }
    double workedValue(const Scenario& s) const { return exact() ? count : worked.of(s); }
};

std::span<const AnswerField> answerFields();
const AnswerField& answerField(Field field);
// The fields of one question, in the order the form shows them; empty for
// a question that does not exist.
std::span<const AnswerField> questionFields(int question);

// A student's number with the field's unit: "700 mmol", "22.6 %".
QString withUnit(double value, const AnswerField& field);
