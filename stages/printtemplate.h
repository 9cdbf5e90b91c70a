// Printed lines written as data: for each line the sentence a translator
// sees, whole, with numbered places (one sentence for a man and one for a
// woman where the line speaks of the subject), the tab it starts at, and
// what fills its places: the subject's numbers, each an item of its own
// with its blanks, and the exercise's constants, written into the words.
// Filled in from one Scenario when they are printed; a translation may
// break its line in two.
#pragma once

#include "printitem.h"
#include "scenarionumber.h"

#include <vector>

namespace Print {

// Short names, so that a block reads like the lines it prints.
inline ScenarioNumber number(float Scenario::*f) {
    return f;
}
inline ScenarioNumber number(double Scenario::*d) {
    return d;
}
// Shortest decimal, without the blanks of a number: "0.746", "20".
inline ScenarioNumber constant(double value) {
    return fixed(value);
}

struct Line {
    const char* label = nullptr; // before the first tab, as "1)"
    int column = 0;              // the tab the text starts at; 0 for none
    const char* text = nullptr;  // for either sex, or
    const char* man = nullptr;   // one for each
    const char* woman = nullptr;
    std::vector<ScenarioNumber> places = {}; // %1, %2...

    bool isEmpty() const { return !text && !man; }
    // The line's sentence for `sex`, as the source gives it.
    const char* source(int sex) const { return text ? text : sex ? woman : man; }
};

using Block = std::vector<Line>;

// The context of the exercise's texts in the catalogues.
inline constexpr const char* context = "Exercise";

// A line's printed lines: one, or more where a translation breaks it.
QList<PrintLine> resolve(const Line& line, const Scenario& scenario);
QList<PrintLine> resolve(const Block& block, const Scenario& scenario);

} // namespace Print
