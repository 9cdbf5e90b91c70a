#include "questionsequence.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

Step clear() {
    return {Step::Op::Clear};
}
Step show(Control control) {
    return {Step::Op::Show, control};
}
Step hide(Control control) {
    return {Step::Op::Hide, control};
}
Step printAnswer(const Print::Block& block) {
    return {Step::Op::PrintAnswer, Control::answerPane, &block};
}
Step appendQuestion(const Print::Block& block) {
    return {Step::Op::AppendQuestion, Control::answerPane, &block};
}

struct Handler {
    Control button;
    std::vector<Step> steps;
};

using enum Control;

const std::vector<Handler>& handlers() {
    static const std::vector<Handler> table = {
        {seeanswer1,
         {clear(), show(answerPane), hide(seeanswer1), printAnswer(Texts::answer1),
          show(hideanswer1)}},
        {hideanswer1,
         {clear(), hide(hideanswer1), appendQuestion(Texts::question2), show(seeanswer2)}},
        {seeanswer2,
         {clear(), show(answerPane), hide(seeanswer2), show(hideanswer2), show(seepathway1),
          printAnswer(Texts::answer2)}},
        {hideanswer2,
         {clear(), hide(seepathway1), hide(hideanswer2), show(seeanswer3),
          appendQuestion(Texts::question3)}},
        {seeanswer3,
         {clear(), show(answerPane), hide(seeanswer3), show(hideanswer3),
          printAnswer(Texts::answer3)}},
        {hideanswer3,
         {clear(), hide(hideanswer3), show(seeanswer4), appendQuestion(Texts::question4),
          show(seepathway2)}},
        {seeanswer4,
         {clear(), show(answerPane), hide(seeanswer4), show(hideanswer4),
          printAnswer(Texts::answer4)}},
        {hideanswer4,
         {clear(), hide(hideanswer4), hide(seepathway2), show(seeanswer5),
          appendQuestion(Texts::question5)}},
        {seeanswer5,
         {clear(), show(answerPane), hide(seeanswer5), show(hideanswer5),
          printAnswer(Texts::answer5)}},
        {hideanswer5,
         {clear(), hide(hideanswer5), show(seeanswer6), appendQuestion(Texts::question6)}},
        {seeanswer6,
         {clear(), show(answerPane), hide(seeanswer6), show(hideanswer6),
          printAnswer(Texts::answer6)}},
        {hideanswer6, {clear(), hide(hideanswer6)}},
    };
    return table;
}

constexpr std::pair<Control, Pathway> pathwayButtons[] = {
    {seepathway1, Pathway::Gluconeogenesis},
    {seepathway2, Pathway::CitricAcidCycle},
};

const Handler* find(Control button) {
    const auto& table = handlers();
    const auto it = std::find_if(table.begin(), table.end(),
                                 [button](const Handler& h) { return h.button == button; });
    return it == table.end() ? nullptr : &*it;
}

} // namespace

QuestionSequence::QuestionSequence(const Scenario& scenario, ExerciseSurface& surface)
    : m_scenario(scenario)
    , m_surface(surface) {
}

bool QuestionSequence::hasHandler(Control button) {
    return find(button) != nullptr;
}

std::span<const Step> QuestionSequence::steps(Control button) {
    const Handler* handler = find(button);
    return handler ? std::span<const Step>(handler->steps) : std::span<const Step>();
}

Control QuestionSequence::seeAnswerButton(int question) {
    constexpr Control buttons[] = {seeanswer1, seeanswer2, seeanswer3,
                                   seeanswer4, seeanswer5, seeanswer6};
    return buttons[std::clamp(question, 1, 6) - 1];
}

std::optional<Pathway> QuestionSequence::pathwayOpenedBy(Control button) {
    for (const auto& [control, pathway] : pathwayButtons)
        if (control == button)
            return pathway;
    return std::nullopt;
}

void QuestionSequence::press(Control button) const {
    if (const auto pathway = pathwayOpenedBy(button)) {
        m_surface.showPathway(*pathway);
        return;
    }
    for (const Step& step : steps(button)) {
        switch (step.op) {
        case Step::Op::Clear:
            m_surface.clearAnswer();
            break;
        case Step::Op::Show:
            m_surface.setControlVisible(step.control, true);
            break;
        case Step::Op::Hide:
            m_surface.setControlVisible(step.control, false);
            break;
        case Step::Op::PrintAnswer:
            for (const PrintLine& line : Print::resolve(*step.block, m_scenario))
                m_surface.printAnswer(line);
            break;
        case Step::Op::AppendQuestion:
            for (const PrintLine& line : Print::resolve(*step.block, m_scenario))
                m_surface.printQuestion(line);
            break;
        }
    }
}
