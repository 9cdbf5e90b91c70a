// Subjects for tests, made through makeScenario() from the draws that give
// the wanted inputs, and the codes that name them.
#pragma once

#include "model/scenario.h"
#include "model/subjectcode.h"

#include <QList>
#include <QTest>

#include <cmath>

namespace Subjects {

// The middle of the draw interval that gives each input: sex 0 or 1,
// weight 60..84, lactate before 4..8 tenths, lactate after 100..139 tenths.
inline QList<double> drawsFor(int sex, int weight, int beforeTenths, int afterTenths) {
    return {(sex + 0.5) / 2, (weight - 60 + 0.5) / 25, (beforeTenths - 4 + 0.5) / 5,
            (afterTenths - 100 + 0.5) / 40};
}

inline Scenario fromDraws(QList<double> draws, int* used = nullptr) {
    int count = 0;
    const Scenario s = makeScenario([&] { return draws.value(count++, 0.0); });
    if (used)
        *used = count;
    return s;
}

inline Scenario make(int sex, int weight, double before, double after) {
    return fromDraws(
        drawsFor(sex, weight, int(std::lround(before * 10)), int(std::lround(after * 10))));
}

// The code of the same subject, read as a teacher types it.
inline SubjectCode code(int sex, int weight, double before, double after) {
    const QString text = QStringLiteral("%1%2-%3-%4")
                             .arg(QChar(sex ? u'W' : u'M'))
                             .arg(weight)
                             .arg(before, 0, 'f', 1)
                             .arg(after, 0, 'f', 1);
    const std::optional<SubjectCode> code = SubjectCode::parse(text);
    if (!code)
        qFatal("%s is not a subject code", qPrintable(text));
    return *code;
}

// Every possible subject, 2 x 25 x 5 x 40 of them; stops at the first
// failed check of the running test.
template <typename Visit> void forEach(Visit&& visit) {
    for (int sex = 0; sex < 2; ++sex)
        for (int weight = 60; weight <= 84; ++weight)
            for (int before = 4; before <= 8; ++before)
                for (int after = 100; after <= 139; ++after) {
                    visit(fromDraws(drawsFor(sex, weight, before, after)));
                    if (QTest::currentTestFailed())
                        return;
                }
}

} // namespace Subjects
