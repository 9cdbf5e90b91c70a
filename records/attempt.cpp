#include "attempt.h"

#include "stages/stage.h"

#include <cmath>

int Attempt::finalStage() {
    return Stage::finished().index();
}

Attempt::Attempt(const SubjectCode& code, const QDateTime& started)
    : code(code)
    , started(started.toUTC())
    , updated(this->started) {
}

std::optional<QString> Attempt::fault() const {
    if (!started.isValid() || !updated.isValid())
        return tr("The attempt has no start or update time.");
    if (stage < 0 || stage > finalStage())
        return tr("The attempt's stage, %1, is not one of 0 to %2.")
            .arg(QString::number(stage), QString::number(finalStage()));
    if (checks.size() > mostChecks)
        return tr("The attempt has %1 checks, more than a record holds (%2).")
            .arg(QString::number(checks.size()), QString::number(mostChecks));
    if (student.name.size() > Student::longestName || student.id.size() > Student::longestId)
        return tr("The student's name or ID number is longer than a record holds.");
    for (qsizetype i = 0; i < checks.size(); ++i) {
        const CheckEntry& check = checks[i];
        if (!check.time.isValid() || int(check.field) < 0 || int(check.field) >= fieldCount ||
            check.question != answerField(check.field).question ||
            check.value.has_value() != check.verdict.has_value() ||
            (check.value && !std::isfinite(*check.value)))
            return tr("Check %1 of the attempt is not one a record holds.").arg(i + 1);
    }
    return std::nullopt;
}

QString Attempt::fileName() const {
    return code.text() + u' ' +
           started.toUTC().toString(QStringLiteral("yyyy-MM-dd'T'HHmmss.zzz")) +
           QStringLiteral("Z.json");
}
