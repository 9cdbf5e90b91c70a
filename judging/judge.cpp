#include "judge.h"

#include "entry.h"
#include "model/arithmetic.h"
#include "slips.h"

#include <algorithm>
#include <cmath>

namespace {

using enum Field;

bool within(double entry, double target, double share) {
    return std::abs(entry - target) <= share * std::abs(target);
}

int percent(double share) {
    return int(std::lround(share * 100));
}

// How each answer from question 3 on follows from earlier ones: the
// arithmetic of the worked answers, without their rounding down.
struct Carry {
    Field field;
    double (*follow)(double first, double second, const Scenario& s);
    Field first;
    std::optional<Field> second = std::nullopt;
};

const Carry carries[] = {
    {atpNeeded,
     [](double lactate, double cost, const Scenario&) { return Arithmetic::atpFor(lactate, cost); },
     totalLactate, muscleGlycogenCost},
    {lactateOxidised,
     [](double atp, double, const Scenario&) { return Arithmetic::lactateToOxidise(atp); },
     atpNeeded},
    {extraOxygen,
     [](double mmol, double, const Scenario&) {
         return Arithmetic::oxygenForLactate(Arithmetic::massOfLactate(mmol));
     },
     lactateOxidised},
    {percentIncrease,
     [](double litres, double, const Scenario& s) {
         return Arithmetic::increaseTenthsOfPercent(litres, s.oxygenper30min) / 10;
     },
     extraOxygen},
};

} // namespace

Judge::Judge(const Scenario& scenario)
    : m_scenario(scenario) {
}

FieldCheck Judge::judge(const AnswerField& field, const QString& entry,
                        const LatestEntries& earlier) const {
    if (entry.trimmed().isEmpty())
        return {field.field, std::nullopt, QString(), std::nullopt};
    QString error;
    const std::optional<double> value = readEntry(entry, field, &error);
    if (!value)
        return {field.field, std::nullopt, error, std::nullopt};
    int slip = -1;
    auto [verdict, message] = judge(field, *value, earlier, &slip);
    return {field.field, verdict, message, *value, slip};
}

QList<FieldCheck> Judge::check(int question, const QStringList& entries,
                               const LatestEntries& earlier) const {
    QList<FieldCheck> checks;
    qsizetype i = 0;
    for (const AnswerField& field : questionFields(question))
        checks.append(judge(field, entries.value(i++), earlier));
    if (!checks.isEmpty() && std::all_of(checks.begin(), checks.end(),
                                         [](const FieldCheck& c) { return c.message.isEmpty(); }))
        checks.front().message = tr("Type an answer first.");
    return checks;
}

bool Judge::isRight(const AnswerField& field, double entry) const {
    const double right = field.workedValue(m_scenario);
    return field.exact() ? entry == right : within(entry, right, rightWithin);
}

std::pair<Verdict, QString> Judge::judge(const AnswerField& field, double entry,
                                         const LatestEntries& earlier, int* slipMet) const {
    // Every answer is an amount above zero; the general hint would not say so.
    if (entry < 0)
        return {Verdict::notYet,
                isRight(field, -entry)
                    ? tr("Not yet: only the sign is wrong; the amount is positive.")
                    : tr("Not yet: the amount is positive.")};
    if (isRight(field, entry))
        return {Verdict::correct, tr("Correct.")};

    const double right = field.workedValue(m_scenario);
    const std::span<const Slip> known = slips();
    for (size_t i = 0; i < known.size(); ++i) {
        const Slip& slip = known[i];
        if (slip.field != field.field)
            continue;
        const double value = slip.value(m_scenario);
        // For this subject the slip cannot be told from the right answer.
        if (!field.exact() && within(value, right, rightWithin))
            continue;
        if (field.exact() ? entry == value : within(entry, value, slipWithin)) {
            *slipMet = int(i);
            return {Verdict::slip, slip.hintText(m_scenario)};
        }
    }

    if (const std::optional<QString> carried = carriedFrom(field, entry, earlier))
        return {Verdict::carriedForward, *carried};

    if (!field.exact() && within(entry, right, closeWithin))
        return {Verdict::close,
                tr("Close: within %1 % of the answer but not within %2 %; check the arithmetic.")
                    .arg(percent(closeWithin))
                    .arg(percent(rightWithin))};

    return {Verdict::notYet, field.factText(m_scenario)};
}

// Only an earlier answer that was itself wrong can carry an error forward;
// one the student has not given stands at its worked value.
std::optional<QString> Judge::carriedFrom(const AnswerField& field, double entry,
                                          const LatestEntries& earlier) const {
    for (const Carry& carry : carries) {
        if (carry.field != field.field)
            continue;
        double values[2] = {0, 0};
        QStringList wrong; // question, then the entry with its unit, for each
        const std::optional<Field> sources[2] = {carry.first, carry.second};
        for (int k = 0; k < 2 && sources[k]; ++k) {
            const AnswerField& source = answerField(*sources[k]);
            const std::optional<double> latest = earlier[size_t(source.field)];
            values[k] = latest.value_or(source.workedValue(m_scenario));
            if (latest && !isRight(source, *latest))
                wrong << QString::number(source.question) << withUnit(*latest, source);
        }
        if (wrong.isEmpty() ||
            !within(entry, carry.follow(values[0], values[1], m_scenario), rightWithin))
            return std::nullopt;
        if (wrong.size() == 2)
            return tr("Carried forward: your method is right; the difference comes from your "
                      "answer to question %1 (%2).")
                .arg(wrong[0], wrong[1]);
        return tr("Carried forward: your method is right; the difference comes from your "
                  "answers to questions %1 (%2) and %3 (%4).")
            .arg(wrong[0], wrong[1], wrong[2], wrong[3]);
    }
    return std::nullopt;
}
