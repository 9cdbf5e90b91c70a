#include "questionsequence.h"

#include <QtGlobal>

#include <array>
#include <bitset>
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
Step printAnswer(int question) {
    return {Step::Op::PrintAnswer, Control::answerPane, question};
}
Step appendQuestion(int question) {
    return {Step::Op::AppendQuestion, Control::answerPane, question};
}

struct StageEntry {
    std::optional<Control> pressed; // the button whose press enters the stage
    std::vector<Step> steps;
};

using enum Control;

// One row per stage, in order; the stage names are Stage::name()'s.
const std::vector<StageEntry>& stages() {
    static const std::vector<StageEntry> table = {
        // Q1, the window's load.
        {{}, {appendQuestion(1), show(seeanswer1)}},
        // A1
        {seeanswer1,
         {clear(), show(answerPane), hide(seeanswer1), printAnswer(1), show(hideanswer1)}},
        // Q2
        {hideanswer1, {clear(), hide(hideanswer1), appendQuestion(2), show(seeanswer2)}},
        // A2
        {seeanswer2,
         {clear(), show(answerPane), hide(seeanswer2), show(hideanswer2), show(seepathway1),
          printAnswer(2)}},
        // Q3
        {hideanswer2,
         {clear(), hide(seepathway1), hide(hideanswer2), show(seeanswer3), appendQuestion(3)}},
        // A3
        {seeanswer3,
         {clear(), show(answerPane), hide(seeanswer3), show(hideanswer3), printAnswer(3)}},
        // Q4
        {hideanswer3,
         {clear(), hide(hideanswer3), show(seeanswer4), appendQuestion(4), show(seepathway2)}},
        // A4
        {seeanswer4,
         {clear(), show(answerPane), hide(seeanswer4), show(hideanswer4), printAnswer(4)}},
        // Q5
        {hideanswer4,
         {clear(), hide(hideanswer4), hide(seepathway2), show(seeanswer5), appendQuestion(5)}},
        // A5
        {seeanswer5,
         {clear(), show(answerPane), hide(seeanswer5), show(hideanswer5), printAnswer(5)}},
        // Q6
        {hideanswer5, {clear(), hide(hideanswer5), show(seeanswer6), appendQuestion(6)}},
        // A6
        {seeanswer6,
         {clear(), show(answerPane), hide(seeanswer6), show(hideanswer6), printAnswer(6)}},
        // Finished
        {hideanswer6, {clear(), hide(hideanswer6)}},
    };
    Q_ASSERT(int(table.size()) == Stage::count());
    return table;
}

// What each stage leaves visible: its steps, after those of every stage before.
const std::vector<std::bitset<controlCount>>& visibility() {
    static const std::vector<std::bitset<controlCount>> table = [] {
        std::vector<std::bitset<controlCount>> visible;
        std::bitset<controlCount> now;
        for (const StageEntry& entry : stages()) {
            for (const Step& step : entry.steps)
                if (step.op == Step::Op::Show || step.op == Step::Op::Hide)
                    now.set(size_t(step.control), step.op == Step::Op::Show);
            visible.push_back(now);
        }
        return visible;
    }();
    return table;
}

const StageEntry& entryOf(Stage stage) {
    return stages()[size_t(stage.index())];
}

} // namespace

std::span<const Step> QuestionSequence::stepsInto(Stage stage) {
    return entryOf(stage).steps;
}

std::optional<Control> QuestionSequence::enteredBy(Stage stage) {
    return entryOf(stage).pressed;
}

bool QuestionSequence::visibleAt(Stage stage, Control control) {
    return visibility()[size_t(stage.index())].test(size_t(control));
}

bool QuestionSequence::isLive(Control control) const {
    return control != Control::answerPane && isVisible(control);
}

std::optional<Control> QuestionSequence::nextStep() const {
    if (m_stage.isFinished())
        return std::nullopt;
    return enteredBy(m_stage.next());
}

QuestionSequence::Press QuestionSequence::press(Control control) {
    if (!isLive(control))
        return {};
    for (const PathwayInfo& pathway : pathways())
        if (pathway.button == control)
            return {true, {}, pathway.pathway};
    if (m_stage.isFinished() || enteredBy(m_stage.next()) != control)
        return {}; // visible but leading nowhere: no such control today
    m_stage = m_stage.next();
    return {true, stepsInto(m_stage), std::nullopt};
}
