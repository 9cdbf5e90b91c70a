#include "session.h"

Session::Session(const SubjectCode& code, QObject* parent)
    : QObject(parent)
    , m_code(code)
    , m_scenario(code.scenario()) {
}

Session::~Session() = default;

bool Session::press(Control control) {
    const QuestionSequence::Press press = m_sequence.press(control);
    if (!press.accepted)
        return false;
    if (press.pathway) {
        emit pathwayRequested(*press.pathway);
        return true;
    }
    for (const Step& step : press.steps)
        perform(step);
    if (m_sequence.isFinished()) {
        const Lines summary = m_practice ? m_practice->summaryLines() : Lines();
        if (!summary.isEmpty())
            emit printed(Pane::Answer, summary);
        emit finished(summary);
    }
    emit stageChanged(m_sequence.stage());
    return true;
}

void Session::perform(const Step& step) {
    switch (step.op) {
    case Step::Op::Clear:
        emit cleared(Pane::Answer);
        break;
    case Step::Op::Show:
    case Step::Op::Hide:
        emit controlShown(step.control, step.op == Step::Op::Show);
        break;
    case Step::Op::PrintAnswer:
        emit printed(Pane::Answer, Transcript::answer(m_scenario, step.question));
        break;
    case Step::Op::AppendQuestion:
        emit printed(Pane::Questions, Transcript::prompt(m_scenario, step.question));
        break;
    }
}

void Session::setSubject(const SubjectCode& code) {
    const Stage before = m_sequence.stage();
    m_code = code;
    m_scenario = code.scenario();
    m_sequence.setStage(Stage());
    if (m_practice)
        m_practice = std::make_unique<Practice>(m_scenario);
    emit subjectChanged(code);
    emit cleared(Pane::Answer);
    emit cleared(Pane::Questions);
    for (int c = 0; c < controlCount; ++c)
        if (QuestionSequence::visibleAt(before, Control(c)))
            emit controlShown(Control(c), false);
    for (const Step& step : QuestionSequence::stepsInto(Stage()))
        perform(step);
    emit stageChanged(m_sequence.stage());
}

void Session::setPracticeMode(bool on) {
    if (on == practiceMode())
        return;
    m_practice = on ? std::make_unique<Practice>(m_scenario) : nullptr;
    emit practiceModeChanged(on);
}

QList<FieldCheck> Session::check(int question, const QStringList& entries) {
    if (!m_practice || question != m_sequence.posedQuestion())
        return {};
    const QList<FieldCheck> checks = m_practice->check(question, entries);
    emit checked(question, checks);
    return checks;
}
