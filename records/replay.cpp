#include "replay.h"

#include "model/subject.h"
#include "model/visibletext.h"
#include "stages/exercise.h"
#include "stages/stage.h"

#include <QCoreApplication>

namespace {

// The first way the recorded check differs from the replayed one, if any.
std::optional<QString> difference(const CheckEntry& recorded, const FieldCheck& replayed,
                                  const QString& number) {
    const QString entry = VisibleText::escaped(recorded.entry.trimmed());
    if (recorded.verdict == replayed.verdict && recorded.value == replayed.value)
        return std::nullopt;
    if (!replayed.verdict)
        return QCoreApplication::translate(
                   "Replay", "Check %1 says \"%2\", but its entry \"%3\" is not a number the "
                             "judge can read.")
            .arg(number, verdictWords(*recorded.verdict), entry);
    if (!recorded.verdict)
        return QCoreApplication::translate(
                   "Replay", "Check %1 holds no verdict, but its entry \"%2\" earns \"%3\".")
            .arg(number, entry, verdictWords(*replayed.verdict));
    if (recorded.verdict != replayed.verdict)
        return QCoreApplication::translate(
                   "Replay", "Check %1 says \"%2\", but its entry \"%3\" earns \"%4\".")
            .arg(number, verdictWords(*recorded.verdict), entry, verdictWords(*replayed.verdict));
    return QCoreApplication::translate(
               "Replay", "Check %1 holds the value %2, but its entry \"%3\" reads %4.")
        .arg(number, QString::number(*recorded.value), entry, QString::number(*replayed.value));
}

} // namespace

LatestEntries latestEntries(const QList<CheckEntry>& checks) {
    LatestEntries latest;
    for (const CheckEntry& check : checks)
        if (check.value)
            latest[size_t(check.field)] = check.value;
    return latest;
}

Replay replay(const Attempt& recorded) {
    Replay result{recorded, {}, std::nullopt, {}};
    const Subject subject(recorded.code);
    const Judge judge(subject.numbers());
    const int lastPosed = Stage::fromIndex(recorded.stage).value_or(Stage()).reachedQuestion();
    const auto mark = [&result](const QString& why) {
        if (!result.edited)
            result.edited = why;
        if (result.faults.constLast().isEmpty())
            result.faults.last() = why;
    };

    LatestEntries latest;
    int question = 1;
    QDateTime before = recorded.started;
    result.slips.reserve(recorded.checks.size());
    for (qsizetype i = 0; i < recorded.checks.size(); ++i) {
        result.faults.append(QString());
        CheckEntry& check = result.attempt.checks[i];
        const QString number = QString::number(i + 1);
        const FieldCheck replayed = judge.judge(answerField(check.field), check.entry, latest);
        if (const std::optional<QString> why = difference(check, replayed, number))
            mark(*why);
        check.value = replayed.value;
        check.verdict = replayed.verdict;
        result.slips.append(replayed.slip);
        if (replayed.value)
            latest[size_t(check.field)] = replayed.value;

        // Checks are made one after another, of the question posed, while
        // the attempt lasts.
        if (check.time < before)
            mark(QCoreApplication::translate(
                     "Replay", "Check %1 was made before the check before it, or before the "
                               "attempt started.")
                     .arg(number));
        else if (check.time > recorded.updated)
            mark(QCoreApplication::translate("Replay",
                                             "Check %1 was made after the attempt's last update.")
                     .arg(number));
        if (check.question < question || check.question > lastPosed)
            mark(QCoreApplication::translate(
                     "Replay", "Check %1 is of question %2, which was not posed at that point.")
                     .arg(number, QString::number(check.question)));
        before = std::max(before, check.time);
        question = std::max(question, check.question);
    }
    return result;
}
