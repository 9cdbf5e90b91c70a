// The exercise as one table: each question with the block that poses it
// (question 1's holds the problem statement), its worked answer, the fields
// a student fills in for it, its two buttons and the diagram offered beside
// it. The sequence, the transcript, paper, practice and the summary all go
// through it; the number of questions is its size.
#pragma once

#include "answerfields.h"
#include "control.h"
#include "pathways.h"
#include "printtemplate.h"

#include <optional>
#include <span>

struct Question {
    int number;
    const Print::Block* prompt;
    const Print::Block* answer;
    Control see, hide;              // "See answer n", "Hide answer n"
    std::optional<Pathway> pathway; // the diagram offered beside it
    std::span<const AnswerField> fields;
};

namespace Exercise {

std::span<const Question> questions();
int questionCount();
// Question `number`, 1 to questionCount().
const Question& question(int number);
// The question whose See or Hide button `button` is; none for another control.
const Question* questionOf(Control button);

const Print::Block& statement(); // the problem statement with question 1

// "Korvanel calculation": every window's title, and the head of every page.
QString title();

} // namespace Exercise
