#include "session.h"

#include "judging/attemptsummary.h"
#include "judging/recordfolder.h"
#include "judging/replay.h"
#include "recordwriter.h"

Session::Session(const SubjectCode& code, Origin origin, QObject* parent)
    : QObject(parent)
    , m_code(code)
    , m_scenario(code.scenario())
    , m_origin(origin) {
}

Session::~Session() = default;

void Session::setRecordFolder(const QString& path) {
    m_recordFolder = path;
    m_writer.reset();
    if (path.isEmpty())
        return;
    m_writer = std::make_unique<RecordWriter>(path);
    connect(m_writer.get(), &RecordWriter::failed, this, [this](const QString& message) {
        if (m_problemSaid)
            return;
        m_problemSaid = true;
        emit recordProblem(message);
    });
}

std::optional<Attempt> Session::unfinishedAttempt() const {
    if (m_recordFolder.isEmpty())
        return std::nullopt;
    return RecordFolder(m_recordFolder).unfinished(m_code, m_student);
}

std::optional<Attempt> Session::attempt() const {
    if (!m_practice)
        return std::nullopt;
    Attempt attempt(m_code, m_practice->started);
    attempt.student = m_student;
    attempt.updated = m_practice->updated;
    attempt.stage = m_sequence.stage().index();
    attempt.checks = m_practice->checks;
    return attempt;
}

void Session::flushRecords() {
    if (m_writer)
        m_writer->flush();
}

void Session::keepRecord() {
    if (!m_practice)
        return;
    m_practice->updated = std::max(m_practice->updated, QDateTime::currentDateTimeUtc());
    if (m_writer)
        m_writer->save(*attempt());
}

Lines Session::paneLines(Pane pane) const {
    if (pane == Pane::Answer && m_sequence.isFinished())
        return summary();
    return Transcript::pane(m_scenario, m_sequence.stage(), pane);
}

Lines Session::summary() const {
    return m_practice ? summaryLines(summarize(*attempt()), m_student) : Lines();
}

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
    keepRecord();
    if (m_sequence.isFinished()) {
        const Lines lines = summary();
        if (!lines.isEmpty())
            emit printed(Pane::Answer, lines);
        emit finished(lines);
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

// Both panes and every control as they stand at `stage`, from a blank slate.
void Session::show(Stage stage) {
    const Stage before = m_sequence.stage();
    m_sequence.setStage(stage);
    emit cleared(Pane::Answer);
    emit cleared(Pane::Questions);
    for (int c = 0; c < controlCount; ++c)
        if (QuestionSequence::visibleAt(before, Control(c)))
            emit controlShown(Control(c), false);
    if (stage == Stage()) {
        for (const Step& step : QuestionSequence::stepsInto(stage))
            perform(step);
    } else {
        emit printed(Pane::Questions, paneLines(Pane::Questions));
        if (const Lines answer = paneLines(Pane::Answer); !answer.isEmpty())
            emit printed(Pane::Answer, answer);
        for (int c = 0; c < controlCount; ++c)
            if (QuestionSequence::visibleAt(stage, Control(c)))
                emit controlShown(Control(c), true);
    }
    emit stageChanged(stage);
}

void Session::setSubject(const SubjectCode& code, Origin origin) {
    m_code = code;
    m_scenario = code.scenario();
    m_origin = origin;
    if (m_practice)
        m_practice = Practising{QDateTime::currentDateTimeUtc(), {}, {}};
    emit subjectChanged(code);
    show(Stage());
    keepRecord();
}

void Session::setPracticeMode(bool on) {
    if (on == practiceMode())
        return;
    if (on) {
        m_practice = Practising{QDateTime::currentDateTimeUtc(), {}, {}};
        keepRecord();
    } else {
        m_practice.reset();
    }
    emit practiceModeChanged(on);
}

void Session::continueAttempt(const Attempt& attempt) {
    const Attempt replayed = replay(attempt).attempt;
    m_code = replayed.code;
    m_scenario = m_code.scenario();
    m_origin = Origin::Given;
    if (replayed.student.isNamed())
        m_student = replayed.student;
    m_practice = Practising{replayed.started, replayed.updated, replayed.checks};
    emit subjectChanged(m_code);
    emit practiceModeChanged(true);
    show(Stage::fromIndex(replayed.stage).value_or(Stage()));
}

void Session::setStudent(const Student& student) {
    m_student = student;
    keepRecord();
}

QList<FieldCheck> Session::check(int question, const QStringList& entries) {
    if (!m_practice || question != m_sequence.posedQuestion())
        return {};
    const QList<FieldCheck> checks =
        Judge(m_scenario).check(question, entries, latestEntries(m_practice->checks));
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (qsizetype i = 0; i < checks.size(); ++i) {
        const QString entry = entries.value(i);
        if (!entry.trimmed().isEmpty())
            m_practice->checks.append(
                {now, question, checks[i].field, entry, checks[i].value, checks[i].verdict});
    }
    keepRecord();
    emit checked(question, checks);
    return checks;
}
