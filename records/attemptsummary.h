// What an attempt comes to, question by question: the first and last
// verdict of each field and whether the question was right at the first
// try. The window's summary, the result slip, the class's table and its
// report all show it, always of a replayed attempt (replay.h).
#pragma once

#include "attempt.h"
#include "stages/transcript.h"

#include <QList>

#include <optional>

struct FieldOutcome {
    Field field;
    // The first and last checks of the field that had a verdict; an
    // unreadable entry is not a try.
    std::optional<CheckEntry> first, last;

    friend bool operator==(const FieldOutcome&, const FieldOutcome&) = default;
};

struct QuestionOutcome {
    int question;
    QList<FieldOutcome> fields; // in the order of questionFields()
    bool rightAtFirstTry;       // every field's first verdict is Correct
    bool checked;               // some field has a verdict

    friend bool operator==(const QuestionOutcome&, const QuestionOutcome&) = default;
};

struct AttemptSummary {
    QList<QuestionOutcome> questions; // every question, in order
    int score = 0;                    // questions right at the first try
    int questionCount = 0;
};

AttemptSummary summarize(const Attempt& attempt);

// "Question 2, glucose", or "Question 1" for a question of one part.
QString fieldName(const AnswerField& field);

// The summary as the answer pane prints it at the end and the result slip
// sets it out: under a heading that names the student, if named, a line
// for each question, or for each part of a question that has several, with
// its first verdict and the entry behind it, then the last where it came
// out otherwise; then the score. A verdict is a mark and its words, in
// green where it is right.
Lines summaryLines(const AttemptSummary& summary, const Student& student = {});
