// The fields a student fills in for the six questions, written as data: the
// label and unit a form shows, and the value the worked answer arrives at.
#pragma once

#include "scenarionumber.h"

#include <QString>
#include <QStringView>

#include <array>
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

struct AnswerField {
    Field field;
    int question;
    const char* label;     // to be translated, as every text of the table
    QStringView unit;      // shown beside the field and accepted after the number
    QStringView otherUnit; // also accepted after the number, or empty
    ScenarioNumber worked; // the worked answer, or
    int count;             // the fixed count of question 2, which must be exact
    // The verdict "Not yet" that repeats a fact of the question; %1 and %2
    // are `factNumbers`.
    const char* fact;
    std::array<ScenarioNumber, 2> factNumbers;
    // Which part of its question it answers, where the question has several.
    const char* part;

    QString labelText() const;
    // What a screen reader calls the field: its label, then its unit.
    QString spokenName() const;
    QString partText() const; // empty for a question of one part
    QString factText(const Scenario& s) const;

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
