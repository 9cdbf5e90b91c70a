// Every line the exercise prints, block by block: the problem statement
// with question 1, the later questions with their notes, and the six
// worked answers. Which block belongs to which question is the exercise
// table's (exercise.h).
#pragma once

#include "printtemplate.h"

namespace Texts {

extern const Print::Block statement; // problem statement and question 1

extern const Print::Block question2; // note on the fate of the lactate, question 2
extern const Print::Block question3;
extern const Print::Block question4;
extern const Print::Block question5; // note on oxygen use, question 5
extern const Print::Block question6;

extern const Print::Block answer1;
extern const Print::Block answer2;
extern const Print::Block answer3;
extern const Print::Block answer4;
extern const Print::Block answer5;
extern const Print::Block answer6;

} // namespace Texts
