// A number that a text quotes: one of the subject's (its Scenario value, in
// the precision it is computed in) or one of the exercise's constants. The
// printed lines, the hints, the facts of the answer fields and the pathway
// descriptions all take their numbers through it, so that what a student
// reads is what is computed.
#pragma once

#include "model/scenario.h"
#include "sentence.h"

#include <QString>
#include <QStringView>

#include <span>

struct ScenarioNumber {
    float Scenario::*single = nullptr;
    double Scenario::*dbl = nullptr;
    double fixed = 0;
    bool isConstant = false;

    constexpr ScenarioNumber() = default;
    constexpr ScenarioNumber(float Scenario::*f)
        : single(f) {}
    constexpr ScenarioNumber(double Scenario::*d)
        : dbl(d) {}
    static constexpr ScenarioNumber constant(double value) {
        ScenarioNumber number;
        number.fixed = value;
        number.isConstant = true;
        return number;
    }

    explicit operator bool() const { return single || dbl || isConstant; }
    bool ofSubject() const { return single || dbl; }
    double of(const Scenario& s) const { return single ? double(s.*single) : dbl ? s.*dbl : fixed; }
    // The shortest decimal that reads back as the value at its own precision,
    // in the run's language: 14.4, not 14.3999996; 0,746 in German.
    QString text(const Scenario& s) const;
    // As a printed line takes it: a subject's number an item of its own with
    // a blank on either side, a constant written into the words.
    Sentence::Place place(const Scenario& s) const;
};

// One of the exercise's constants, quoted as the worked answers print it.
constexpr ScenarioNumber fixed(double value) {
    return ScenarioNumber::constant(value);
}

// `text` with %1, %2... filled in with the numbers given, as printed.
QString withNumbers(QStringView text, std::span<const ScenarioNumber> numbers, const Scenario& s);
