// Printed lines written as data: texts, tabs, the Scenario words and
// numbers they show, filled in from one Scenario when they are printed, and
// the exercise's constants, printed as part of the text around them.
#pragma once

#include "model/scenario.h"
#include "printitem.h"

#include <vector>

namespace Print {

struct Item {
    enum class Kind { Text, Tab, Word, Single, Double, Constant };

    Kind kind = Kind::Text;
    const char* text = nullptr;
    int column = 0;
    QString Scenario::*word = nullptr;
    float Scenario::*single = nullptr;
    double Scenario::*dbl = nullptr;
    double constant = 0;

    PrintItem resolve(const Scenario& scenario) const;
};

using Line = std::vector<Item>;
using Block = std::vector<Line>;

// Short names, so that a block reads like the lines it prints.
inline Item text(const char* s) {
    return {Item::Kind::Text, s};
}
inline Item tab(int column) {
    return {Item::Kind::Tab, nullptr, column};
}
inline Item word(QString Scenario::*w) {
    return {Item::Kind::Word, nullptr, 0, w};
}
inline Item number(float Scenario::*f) {
    return {Item::Kind::Single, nullptr, 0, nullptr, f};
}
inline Item number(double Scenario::*d) {
    return {Item::Kind::Double, nullptr, 0, nullptr, nullptr, d};
}
// Shortest decimal, without the blanks of a number item: "0.746", "20";
// one text item with the texts on either side.
inline Item constant(double value) {
    return {Item::Kind::Constant, nullptr, 0, nullptr, nullptr, nullptr, value};
}

PrintLine resolve(const Line& line, const Scenario& scenario);
QList<PrintLine> resolve(const Block& block, const Scenario& scenario);

} // namespace Print
