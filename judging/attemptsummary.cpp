#include "attemptsummary.h"

AttemptSummary summarize(const Attempt& attempt) {
    constexpr int questions = 6;
    AttemptSummary summary{{}, 0, questions};
    for (int question = 1; question <= questions; ++question) {
        QuestionOutcome outcome{question, {}, true, false};
        for (const AnswerField& field : questionFields(question)) {
            FieldOutcome tries{field.field, std::nullopt, std::nullopt};
            for (const CheckEntry& check : attempt.checks) {
                if (check.field != field.field || !check.verdict)
                    continue;
                if (!tries.first)
                    tries.first = check;
                tries.last = check;
            }
            outcome.checked = outcome.checked || tries.first;
            outcome.rightAtFirstTry =
                outcome.rightAtFirstTry && tries.first && tries.first->verdict == Verdict::correct;
            outcome.fields.append(tries);
        }
        summary.score += outcome.rightAtFirstTry;
        summary.questions.append(outcome);
    }
    return summary;
}
