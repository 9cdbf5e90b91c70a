#include "attemptsummary.h"

#include "model/visibletext.h"
#include "stages/exercise.h"
#include "stages/sentence.h"

#include <QCoreApplication>

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

using Sentence::Place;

InkedLine sentence(const QString& text, std::initializer_list<Place> places, Ink ink) {
    return {Sentence::line(text, places, {QString(), 5, {}}), ink};
}

QString entryOf(const CheckEntry& check) {
    return VisibleText::escaped(check.entry.trimmed());
}

InkedLine outcomeLine(const QString& name, const FieldOutcome& outcome) {
    if (!outcome.first)
        return sentence(QCoreApplication::translate("AttemptSummary", "%1: not checked"),
                        {Place::text(name)}, Ink::Question);
    const CheckEntry& first = *outcome.first;
    const CheckEntry& last = *outcome.last;
    const Ink ink = isRight(*last.verdict) ? Ink::Right : Ink::Answer;
    if (last.verdict == first.verdict && entryOf(last) == entryOf(first))
        //: %1 names the question, %2 is the verdict's mark, %3 its words, %4 the entry.
        return sentence(QCoreApplication::translate("AttemptSummary", "%1: %2 %3 (%4)"),
                        {Place::text(name), Place::mark(verdictMark(*first.verdict)),
                         Place::text(verdictWords(*first.verdict)), Place::text(entryOf(first))},
                        ink);
    //: The first verdict and entry of a question, then the last: %2 and %5 are marks.
    return sentence(
        QCoreApplication::translate("AttemptSummary", "%1: %2 %3 (%4); last %5 %6 (%7)"),
        {Place::text(name), Place::mark(verdictMark(*first.verdict)),
         Place::text(verdictWords(*first.verdict)), Place::text(entryOf(first)),
         Place::mark(verdictMark(*last.verdict)), Place::text(verdictWords(*last.verdict)),
         Place::text(entryOf(last))},
        ink);
}

} // namespace

QString fieldName(const AnswerField& field) {
    const QString part = field.partText();
    return part.isEmpty()
               ? QCoreApplication::translate("AttemptSummary", "Question %1").arg(field.question)
               //: %2 is the part of the question: glucose, liver glycogen, muscle glycogen.
               : QCoreApplication::translate("AttemptSummary", "Question %1, %2")
                     .arg(QString::number(field.question), part);
}

Lines summaryLines(const AttemptSummary& summary, const Student& student) {
    Lines lines = {
        student.isNamed()
            ? sentence(QCoreApplication::translate("AttemptSummary",
                                                   "Answers of %1, the first try and the last:"),
                       {Place::text(student.shown())}, Ink::Question)
            : sentence(QCoreApplication::translate("AttemptSummary",
                                                   "Your answers, the first try and the last:"),
                       {}, Ink::Question)};
    for (const QuestionOutcome& question : summary.questions)
        for (const FieldOutcome& field : question.fields)
            lines.append(outcomeLine(fieldName(answerField(field.field)), field));
    //: %n questions of the %1 were right at the first try.
    lines.append(sentence(QCoreApplication::translate(
                              "AttemptSummary", "Score: %n of %1 questions right at the first try.",
                              nullptr, summary.score),
                          {Place::text(QString::number(summary.questionCount))}, Ink::Question));
    return lines;
}
