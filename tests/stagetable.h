// The exercise as tests walk it, stated by hand: the one answer button of
// each step, in order, and the thirteen stages as a student meets them.
#pragma once

#include "stages/control.h"

#include <QList>
#include <QTest>

namespace Walkthrough {

using enum Control;

inline constexpr Control steps[] = {seeanswer1, hideanswer1, seeanswer2, hideanswer2,
                                    seeanswer3, hideanswer3, seeanswer4, hideanswer4,
                                    seeanswer5, hideanswer5, seeanswer6, hideanswer6};

struct StageRow {
    const char* name;
    QList<Control> buttons; // visible besides "end", in the order of Control
    bool answerPane;        // on screen
    int questionLines, answerLines;
    int posed; // the question posed, 0 while an answer is shown and at the end
};

// Stage n is reached by the first n steps.
inline const StageRow stageTable[] = {
    {"Q1", {seeanswer1}, false, 8, 0, 1},
    {"A1", {hideanswer1}, true, 8, 6, 0},
    {"Q2", {seeanswer2}, true, 17, 0, 2},
    {"A2", {hideanswer2, seepathway1}, true, 17, 6, 0},
    {"Q3", {seeanswer3}, true, 19, 0, 3},
    {"A3", {hideanswer3}, true, 19, 2, 0},
    {"Q4", {seepathway2, seeanswer4}, true, 22, 0, 4},
    {"A4", {seepathway2, hideanswer4}, true, 22, 9, 0},
    {"Q5", {seeanswer5}, true, 27, 0, 5},
    {"A5", {hideanswer5}, true, 27, 6, 0},
    {"Q6", {seeanswer6}, true, 31, 0, 6},
    {"A6", {hideanswer6}, true, 31, 4, 0},
    {"Finished", {}, true, 31, 0, 0},
};

// A row for each stage, for a man and a woman: columns "sex" and "presses".
inline void addStageRows() {
    QTest::addColumn<int>("sex");
    QTest::addColumn<int>("presses");
    for (int sex : {0, 1})
        for (int presses = 0; presses < int(std::size(stageTable)); ++presses)
            QTest::addRow("%s %s", sex ? "woman" : "man", stageTable[presses].name)
                << sex << presses;
}

} // namespace Walkthrough
