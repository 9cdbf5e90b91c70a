#include "attemptsummary.h"

#include "stages/exercise.h"

AttemptSummary summarize(const Attempt& attempt) {
    AttemptSummary summary{{}, 0, Exercise::questionCount()};
    for (const Question& question : Exercise::questions()) {
        QuestionOutcome outcome{question.number, {}, true, false};
        for (const AnswerField& field : question.fields) {
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

namespace {

bool isRight(Verdict verdict) {
    return verdict == Verdict::correct || verdict == Verdict::carriedForward;
}

// Drawn beside the verdict's words and read as a blank: the words say it.
QChar mark(Verdict verdict) {
    switch (verdict) {
    case Verdict::correct:
        return u'\u221a'; // square root, the nearest to a tick Liberation Sans has
    case Verdict::carriedForward:
        return u'\u2192'; // right arrow
    case Verdict::close:
        return u'\u2248'; // almost equal to
    case Verdict::slip:
    case Verdict::notYet:
        break;
    }
    return u'\u00d7'; // multiplication sign
}

void addVerdict(PrintLine& line, const CheckEntry& check) {
    line << PrintItem::mark(mark(*check.verdict))
         << PrintItem::fromText(QStringLiteral(" %1 (%2)")
                                    .arg(verdictWords(*check.verdict), check.entry.trimmed()));
}

InkedLine outcomeLine(const QString& name, const FieldOutcome& outcome) {
    PrintLine line = {PrintItem::tab(5), PrintItem::fromText(name + QStringLiteral(": "))};
    if (!outcome.first) {
        line << PrintItem::fromText(QStringLiteral("not checked"));
        return {line, Ink::Question};
    }
    addVerdict(line, *outcome.first);
    if (outcome.last->verdict != outcome.first->verdict ||
        outcome.last->entry.trimmed() != outcome.first->entry.trimmed()) {
        line << PrintItem::fromText(QStringLiteral("; last "));
        addVerdict(line, *outcome.last);
    }
    return {line, isRight(*outcome.last->verdict) ? Ink::Right : Ink::Answer};
}

} // namespace

Lines summaryLines(const AttemptSummary& summary) {
    Lines lines = {{{PrintItem::tab(5), PrintItem::fromText(QStringLiteral(
                                            "Your answers, the first try and the last:"))},
                    Ink::Question}};
    for (const QuestionOutcome& question : summary.questions) {
        const QString name = QStringLiteral("Question %1").arg(question.question);
        for (const FieldOutcome& field : question.fields) {
            const QStringView part = answerField(field.field).part;
            lines.append(outcomeLine(
                part.isEmpty() ? name : QStringLiteral("%1, %2").arg(name, part.toString()),
                field));
        }
    }
    lines.append(
        {{PrintItem::tab(5),
          PrintItem::fromText(QStringLiteral("Score: %1 of %2 questions right at the first try.")
                                  .arg(summary.score)
                                  .arg(summary.questionCount))},
         Ink::Question});
    return lines;
}
