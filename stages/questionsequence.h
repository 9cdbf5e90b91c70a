// The six questions as twelve press handlers, each a fixed list of steps.
//
// The sequence keeps no stage of its own: the stage is which buttons are
// visible. A handler tests nothing and performs every step each time it
// runs; a hidden button simply cannot be pressed.
#pragma once

#include "exercisetexts.h"

#include <optional>
#include <span>

// The controls of the exercise window that the sequence shows and hides.
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

enum class Pathway {
    Gluconeogenesis, // lactate to glucose and glycogen
    CitricAcidCycle, // lactate oxidation through the citric acid cycle
};

// What the handlers act on; the exercise window provides it.
class ExerciseSurface {
public:
    virtual ~ExerciseSurface() = default;
    virtual void clearAnswer() = 0;
    virtual void setControlVisible(Control control, bool visible) = 0;
    virtual void printAnswer(const PrintLine& line) = 0;
    virtual void printQuestion(const PrintLine& line) = 0;
    virtual void showPathway(Pathway pathway) = 0;
};

struct Step {
    enum class Op { Clear, Show, Hide, PrintAnswer, AppendQuestion };

    Op op = Op::Clear;
    Control control = Control::answerPane; // for Show and Hide
    const Print::Block* block = nullptr;   // for PrintAnswer and AppendQuestion
};

class QuestionSequence {
public:
    QuestionSequence(const Scenario& scenario, ExerciseSurface& surface);

    // The handler of an answer button; false for a control that has none.
    static bool hasHandler(Control button);
    static std::span<const Step> steps(Control button);

    // The button that shows the worked answer to `question`, 1 to 6.
    static Control seeAnswerButton(int question);

    // The diagram a pathway button opens; none for every other control.
    static std::optional<Pathway> pathwayOpenedBy(Control button);

    // An answer button runs its steps, a pathway button opens its diagram.
    void press(Control button) const;

private:
    const Scenario& m_scenario;
    ExerciseSurface& m_surface;
};
