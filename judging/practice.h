// Practice mode: judging what a student types against the worked answers,
// known slips and the student's own earlier answers. What a summary needs
// is the attempt's record (attempt.h).
#pragma once

#include "stages/answerfields.h"

#include <QList>
#include <QStringList>

#include <array>
#include <optional>

// Every verdict message starts with the verdict's words, which are also
// what the summary shows: "Correct", "Not yet" (for a slip too),
// "Carried forward", "Close".
enum class Verdict { correct, slip, carriedForward, close, notYet };

QString verdictWords(Verdict verdict);

struct FieldCheck {
    Field field;
    std::optional<Verdict> verdict; // nothing when the field was empty or unreadable
    QString message;                // empty when the field was empty
    std::optional<double> value;    // as read, in the field's unit
};

// An entry is right within 2 % (question 2's counts exactly); failing that, a
// known slip within 1 % gets its hint, then an entry that follows within 2 %
// from a wrong earlier one is carried forward, then within 5 % is close.
class Practice {
public:
    explicit Practice(const Scenario& scenario);

    // Judges each filled field of `question`; `entries` are the texts of
    // questionFields(question), in that order, a missing text counting as
    // empty. A field's latest judged entry is what later questions carry
    // forward; empty and unreadable fields leave the record as it was. With
    // every field empty, the first check asks for an answer.
    QList<FieldCheck> check(int question, const QStringList& entries);

    std::optional<double> latestEntry(Field field) const { return m_latest[int(field)]; }
    // An entry judged before, in an attempt continued.
    void restore(Field field, double entry) { m_latest[int(field)] = entry; }

private:
    std::pair<Verdict, QString> judge(const AnswerField& field, double entry) const;
    std::optional<QString> carriedFrom(const AnswerField& field, double entry) const;
    bool isRight(const AnswerField& field, double entry) const;

    Scenario m_scenario;
    std::array<std::optional<double>, fieldCount> m_latest;
};
