// The exercise's printed lines with their ink: what the two panes hold at a
// stage, and a sheet of paper question by question. The one way the blocks
// of the exercise become lines, for the windows and paper alike.
#pragma once

#include "control.h"
#include "printtemplate.h"
#include "stage.h"

#include <QList>
#include <QStringList>

enum class Ink {
    Question, // the window's text colour; black on paper
    Answer,   // worked answers, red
    Title,    // pathway titles, blue
    Right,    // a practice summary's right answers, green
};

struct InkedLine {
    PrintLine items;
    Ink ink = Ink::Question;

    friend bool operator==(const InkedLine&, const InkedLine&) = default;
};

using Lines = QList<InkedLine>;

enum class Sheet {
    Worksheet, // the problem statement and the questions, with room to work under each
    Key,       // each question followed by its worked answer, then the pathway diagrams
};

namespace Transcript {

Lines lines(const Print::Block& block, const Scenario& scenario, Ink ink);
// The lines as text in character cells (plainText()).
QStringList plain(const Lines& lines);
Lines prompt(const Scenario& scenario, int question); // question 1's with the statement
Lines answer(const Scenario& scenario, int question);

// What `pane` holds at `stage`: the question pane the statement and every
// question posed so far, the answer pane the answer shown, if any.
Lines pane(const Scenario& scenario, Stage stage, Pane pane);

// One question of a sheet: its prompt, and on the key its worked answer.
struct Section {
    int question;
    Lines prompt;
    Lines answer; // empty on the worksheet
};
QList<Section> sheet(const Scenario& scenario, Sheet sheet);

} // namespace Transcript
