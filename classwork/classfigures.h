// The class at a glance, of the attempts that count: for each question, or
// each part of question 2, how many students were right at the first try,
// right at the last, carried forward, close, not yet or never checked it;
// and each known slip that was met, with how many students met it.
#pragma once

#include "handedin.h"
#include "stages/answerfields.h"

#include <QList>

#include <array>

// The outcome of one field for one student, by the last verdict unless the
// first was right.
enum class Outcome { rightFirst, rightLast, carriedForward, close, notYet, notChecked };
inline constexpr int outcomeCount = int(Outcome::notChecked) + 1;

struct FieldFigures {
    Field field;
    std::array<int, outcomeCount> students{}; // by Outcome
};

struct SlipFigures {
    int slip;     // its place in slips()
    int students; // who met it at least once
};

struct ClassFigures {
    int students = 0;
    QList<FieldFigures> fields; // every field, in the order of the questions
    QList<SlipFigures> slips;   // those met, most met first
};

ClassFigures classFigures(const QList<const HandedInRecord*>& counted);

// The outcome's name in a chart's key: "Right at the first try"...
QString outcomeName(Outcome outcome);
// "12 students right at the first try", as a screen reader says a segment.
QString outcomeTally(Outcome outcome, int students);
// "Question 2, glucose: 5 students. Not yet: the GTP is not counted..."
QString slipMetLine(const SlipFigures& met);
