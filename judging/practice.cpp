#include "practice.h"

#include "entry.h"
#include "model/constants.h"
#include "slips.h"
#include "stages/exercise.h"

#include <algorithm>
#include <cmath>

namespace {

using enum Field;

constexpr double rightWithin = 0.02;
constexpr double slipWithin = 0.01;
constexpr double closeWithin = 0.05;

bool within(double entry, double target, double share) {
    return std::abs(entry - target) <= share * std::abs(target);
}

// How each answer from question 3 on follows from earlier ones, as the
// worked answers do it but without their rounding down.
struct Carry {
    Field field;
    double (*follow)(double first, double second, const Scenario& s);
    Field first;
    std::optional<Field> second = std::nullopt;
};

const Carry carries[] = {
    {atpNeeded, [](double lactate, double cost, const Scenario&) { return lactate / 2 * cost; },
     totalLactate, muscleGlycogenCost},
    {lactateOxidised,
     [](double atp, double, const Scenario&) { return atp / Constants::atpPerLactateOxidised; },
     atpNeeded},
    {extraOxygen,
     [](double mmol, double, const Scenario&) {
         return mmol * Constants::lactateMolarMass / 1000 * Constants::oxygenPerGram;
     },
     lactateOxidised},
    {percentIncrease,
     [](double litres, double, const Scenario& s) { return 100 * litres / s.oxygenper30min; },
     extraOxygen},
};

} // namespace

QString verdictWords(Verdict verdict) {
    switch (verdict) {
    case Verdict::correct:
        return QStringLiteral("Correct");
    case Verdict::carriedForward:
        return QStringLiteral("Carried forward");
    case Verdict::close:
        return QStringLiteral("Close");
    case Verdict::slip:
    case Verdict::notYet:
        break;
    }
    return QStringLiteral("Not yet");
}

Practice::Practice(const Scenario& scenario)
    : m_scenario(scenario) {
}

QList<FieldCheck> Practice::check(int question, const QStringList& entries) {
    QList<FieldCheck> checks;
    qsizetype i = 0;
    for (const AnswerField& field : questionFields(question)) {
        const QString text = entries.value(i++);
        if (text.trimmed().isEmpty()) {
            checks.append({field.field, std::nullopt, QString(), std::nullopt});
            continue;
        }
        QString error;
        const std::optional<double> entry = readEntry(text, field, &error);
        if (!entry) {
            checks.append({field.field, std::nullopt, error, std::nullopt});
            continue;
        }
        auto [verdict, message] = judge(field, *entry);
        m_latest[int(field.field)] = *entry;
        checks.append({field.field, verdict, message, *entry});
    }
    if (!checks.isEmpty() && std::all_of(checks.begin(), checks.end(),
                                         [](const FieldCheck& c) { return c.message.isEmpty(); }))
        checks.front().message = QStringLiteral("Type an answer first.");
    return checks;
}

bool Practice::isRight(const AnswerField& field, double entry) const {
    const double right = field.workedValue(m_scenario);
    return field.exact() ? entry == right : within(entry, right, rightWithin);
}

std::pair<Verdict, QString> Practice::judge(const AnswerField& field, double entry) const {
    // Every answer is an amount above zero; the general hint would not say so.
    if (entry < 0)
        return {Verdict::notYet, isRight(field, -entry)
                                     ? QStringLiteral("Not yet: only the sign is wrong; the amount "
                                                      "is positive.")
                                     : QStringLiteral("Not yet: the amount is positive.")};
    if (isRight(field, entry))
        return {Verdict::correct, QStringLiteral("Correct.")};

    const double right = field.workedValue(m_scenario);
    for (const Slip& slip : slips()) {
        if (slip.field != field.field)
            continue;
        const double value = slip.value(m_scenario);
        // For this subject the slip cannot be told from the right answer.
        if (!field.exact() && within(value, right, rightWithin))
            continue;
        if (field.exact() ? entry == value : within(entry, value, slipWithin))
            return {Verdict::slip, QStringLiteral("Not yet: ") + slip.hintText(m_scenario)};
    }

    if (const std::optional<QString> carried = carriedFrom(field, entry))
        return {Verdict::carriedForward, *carried};

    if (!field.exact() && within(entry, right, closeWithin))
        return {Verdict::close,
                QStringLiteral("Close: within 5 % of the answer but not within 2 %; check the "
                               "arithmetic.")};

    return {Verdict::notYet, QStringLiteral("Not yet: ") + field.factText(m_scenario)};
}

// Only an earlier answer that was itself wrong can carry an error forward;
// one the student has not given stands at its worked value.
std::optional<QString> Practice::carriedFrom(const AnswerField& field, double entry) const {
    for (const Carry& carry : carries) {
        if (carry.field != field.field)
            continue;
        double values[2] = {0, 0};
        QStringList wrong;
        const std::optional<Field> sources[2] = {carry.first, carry.second};
        for (int k = 0; k < 2 && sources[k]; ++k) {
            const AnswerField& source = answerField(*sources[k]);
            const std::optional<double> latest = m_latest[int(source.field)];
            values[k] = latest.value_or(source.workedValue(m_scenario));
            if (latest && !isRight(source, *latest))
                wrong.append(
                    QStringLiteral("%1 (%2)").arg(source.question).arg(withUnit(*latest, source)));
        }
        if (wrong.isEmpty() ||
            !within(entry, carry.follow(values[0], values[1], m_scenario), rightWithin))
            return std::nullopt;
        return QStringLiteral("Carried forward: your method is right; the difference comes from "
                              "your %1 %2.")
            .arg(wrong.size() == 1 ? QStringLiteral("answer to question")
                                   : QStringLiteral("answers to questions"),
                 wrong.join(QStringLiteral(" and ")));
    }
    return std::nullopt;
}
