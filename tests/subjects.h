// Subjects for tests, named by their inputs as a teacher types them, and
// every possible subject in turn.
#pragma once

#include "model/scenario.h"
#include "model/subjectcode.h"

#include <QTest>

namespace Subjects {

// The code of a subject, read as a teacher types it.
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

inline Scenario make(int sex, int weight, double before, double after) {
    return makeScenario(code(sex, weight, before, after));
}

// Every possible subject, 2 x 25 x 5 x 40 of them; stops at the first
// failed check of the running test.
template <typename Visit> void forEach(Visit&& visit) {
    for (int index = 0; index < SubjectCode::count; ++index) {
        visit(makeScenario(*SubjectCode::fromIndex(index)));
        if (QTest::currentTestFailed())
            return;
    }
}

} // namespace Subjects
