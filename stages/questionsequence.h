// The exercise as a sequence of stages (stage.h), held as data.
//
// Each stage is entered by the press of one button (the start by none) and
// entering it performs a fixed list of steps, in order: clearing the answer
// pane, showing and hiding controls, printing an answer or appending a
// question. What is visible at a stage is what those steps leave visible,
// from the start on; only a visible button can be pressed, and a press on
// anything else changes nothing. A pathway button opens its diagram and
// leaves the stage as it is.
#pragma once

#include "control.h"
#include "pathways.h"
#include "stage.h"

#include <optional>
#include <span>

struct Step {
    enum class Op { Clear, Show, Hide, PrintAnswer, AppendQuestion };

    Op op = Op::Clear;
    Control control = Control::answerPane; // for Show and Hide
    int question = 0; // for PrintAnswer its answer, for AppendQuestion its prompt
};

class QuestionSequence {
public:
    Stage stage() const { return m_stage; }
    // Goes to `stage` at once, as if every press before it had been made.
    void setStage(Stage stage) { m_stage = stage; }

    bool isVisible(Control control) const { return visibleAt(m_stage, control); }
    bool isLive(Control control) const; // a visible button
    int posedQuestion() const { return m_stage.posedQuestion(); }
    bool isFinished() const { return m_stage.isFinished(); }
    // The See or Hide answer button visible now; none once finished.
    std::optional<Control> nextStep() const;

    struct Press {
        bool accepted = false;          // false: the control is not live, nothing happened
        std::span<const Step> steps;    // of the stage it led to, to be performed in order
        std::optional<Pathway> pathway; // to be shown; the stage is unchanged
    };
    Press press(Control control);

    // The stage table.
    static std::span<const Step> stepsInto(Stage stage);
    static std::optional<Control> enteredBy(Stage stage); // none for the start
    static bool visibleAt(Stage stage, Control control);

private:
    Stage m_stage;
};
