#include "scenarionumber.h"

#include "printitem.h"

QString ScenarioNumber::text(const Scenario& s) const {
    return single ? PrintItem::decimal(s.*single) : PrintItem::decimal(of(s));
}

Sentence::Place ScenarioNumber::place(const Scenario& s) const {
    if (single)
        return Sentence::Place::number(s.*single);
    if (dbl)
        return Sentence::Place::number(s.*dbl);
    return Sentence::Place::text(PrintItem::decimal(fixed));
}

QString withNumbers(QStringView text, std::span<const ScenarioNumber> numbers, const Scenario& s) {
    QString filled = text.toString();
    for (const ScenarioNumber& number : numbers)
        if (number)
            filled = filled.arg(number.text(s));
    return filled;
}
