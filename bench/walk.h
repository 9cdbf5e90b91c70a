// The exercise walked as a student walks it, for the memory and press
// benchmarks: the twelve answer buttons in order, and each pathway window
// opened while its button is showing, then hidden with its own button.
// Every action returns only when what it changed has been painted.
#pragma once

#include "windows/exercisewindow.h"

#include <vector>

namespace Walk {

struct Action {
    enum class Kind { Press, OpenPathway, HidePathway };

    Kind kind = Kind::Press;
    Control control = Control::seeanswer1; // the button pressed
    Pathway pathway = Pathway::Gluconeogenesis;
    bool firstOpen = false; // an OpenPathway that creates the window
};

// All twelve presses; each pathway is opened and hidden `opens` times while
// its button is visible (seepathway1 during answer 2, seepathway2 between
// answers 3 and 4).
std::vector<Action> actions(int opens);

// A name for the table: the button's name, "(first)" or "(again)" for opens.
const char* label(const Action& action);

// Shows the window maximised and waits until the statement has been painted
// in full in the exposed window; false on a 10 s timeout.
bool showAndPaint(ExerciseWindow& window);

// Performs the action and waits until its result has been painted: for a
// press, the first repaint of the exercise window after the click; for an
// open, the paint of the whole diagram in the exposed pathway window; for a
// hide, nothing (the caller settles). False on timeout. When `clicked` is
// given it receives Probe::monotonicNs() at the return of click(), which
// splits the time between the handler and the repaint.
bool perform(ExerciseWindow& window, const Action& action, qint64* clicked = nullptr);

} // namespace Walk
