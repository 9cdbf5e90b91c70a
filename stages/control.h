// The controls of the exercise window that the exercise shows, hides and
// answers to, and the two panes it prints into.
#pragma once

enum class Control {
    seeanswer1,
    hideanswer1,
    seeanswer2,
    hideanswer2,
    seepathway1,
    seeanswer3,
    hideanswer3,
    seepathway2,
    seeanswer4,
    hideanswer4,
    seeanswer5,
    hideanswer5,
    seeanswer6,
    hideanswer6,
    answerPane,
};

inline constexpr int controlCount = int(Control::answerPane) + 1;

enum class Pane { Questions, Answer };
