#include "session.h"

#include "model/language.h"
#include "records/attemptsummary.h"
#include "records/handinfolder.h"
#include "records/recordfolder.h"
#include "records/recordwriter.h"
#include "records/replay.h"

#include <QDir>
#include <QFile>
#include <QHash>

namespace {

// A share that has stopped answering keeps the program from ending no longer.
constexpr std::chrono::seconds handInEndWait{5};

} // namespace

QString HandIn::status() const {
    const QString where = QDir::toNativeSeparators(folder);
    if (folder.isEmpty())
        return {};
    if (problem)
        //: %1 says why, in a sentence of its own that names the folder.
        return tr("Your attempt is not handed in. %1 It is kept on this computer, and handed in "
                  "at the next check.")
            .arg(*problem);
    if (!handedIn.isValid())
        //: %1 is a folder.
        return tr("Handing in to %1\u2026").arg(where);
    //: %1 is a folder, %2 a time of day.
    return tr("Handed in to %1 at %2.")
        .arg(where,
             Language::dates().toString(handedIn.toLocalTime().time(), QLocale::ShortFormat));
}

Session::Session(const SubjectCode& code, Origin origin, QObject* parent)
    : QObject(parent)
    , m_subject(code)
    , m_origin(origin) {
}

Session::~Session() = default;

void Session::setRecordFolder(const QString& path) {
    m_recordFolder = path;
    m_writer.reset();
    if (path.isEmpty())
        return;
    const RecordFolder folder(path);
    m_writer = std::make_unique<RecordWriter>(
        [folder](const Attempt& attempt, QString* fileName, QString* error) {
            *fileName = folder.filePath(attempt);
            return folder.save(attempt, error);
        });
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
    return RecordFolder(m_recordFolder).unfinished(code(), m_student);
}

void Session::setHandInFolder(const QString& path) {
    m_handInWriter.reset();
    m_handIn = {path, {}, {}, std::nullopt};
    if (!path.isEmpty()) {
        // The file each attempt was last handed in as: a student who names
        // themselves anew mid-attempt leaves one file, not two.
        auto written = std::make_shared<QHash<QString, QString>>();
        const HandInFolder folder(path);
        m_handInWriter = std::make_unique<RecordWriter>(
            [folder, written](const Attempt& attempt, QString* fileName, QString* error) {
                if (!folder.save(attempt, fileName, error))
                    return false;
                QString& last = (*written)[attempt.code.text() + attempt.started.toString()];
                if (!last.isEmpty() && last != *fileName)
                    QFile::remove(last);
                last = *fileName;
                return true;
            },
            handInEndWait);
        connect(m_handInWriter.get(), &RecordWriter::saved, this, &Session::handedIn);
        connect(m_handInWriter.get(), &RecordWriter::failed, this, &Session::notHandedIn);
    }
    emit handInChanged(m_handIn);
    if (m_attempt && m_handInWriter)
        m_handInWriter->save(*m_attempt);
}

void Session::handedIn(const QString& file, const QDateTime& updated) {
    m_handIn.file = file;
    m_handIn.handedIn = updated;
    m_handIn.problem.reset();
    emit handInChanged(m_handIn);
}

void Session::notHandedIn(const QString& message) {
    const bool first = !m_handIn.problem;
    m_handIn.problem = message;
    emit handInChanged(m_handIn);
    if (first)
        emit handInProblem(message);
}

void Session::flushRecords() {
    if (m_writer)
        m_writer->flush();
    if (m_handInWriter)
        m_handInWriter->flush(handInEndWait);
}

void Session::startAttempt() {
    m_attempt.emplace(code());
    m_attempt->student = m_student;
    m_attempt->stage = m_sequence.stage().index();
}

void Session::keepRecord() {
    if (!m_attempt)
        return;
    m_attempt->stage = m_sequence.stage().index();
    m_attempt->updated = std::max(m_attempt->updated, QDateTime::currentDateTimeUtc());
    if (m_writer)
        m_writer->save(*m_attempt);
    if (m_handInWriter)
        m_handInWriter->save(*m_attempt);
}

Lines Session::paneLines(Pane pane) const {
    if (pane == Pane::Answer && m_sequence.isFinished())
        return summary();
    return Transcript::pane(scenario(), m_sequence.stage(), pane);
}

Lines Session::summary() const {
    return m_attempt ? summaryLines(summarize(*m_attempt), m_student) : Lines();
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
        emit printed(Pane::Answer, Transcript::answer(scenario(), step.question));
        break;
    case Step::Op::AppendQuestion:
        emit printed(Pane::Questions, Transcript::prompt(scenario(), step.question));
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
    m_subject = Subject(code);
    m_origin = origin;
    // An attempt is at one subject: another subject is another attempt.
    if (m_attempt)
        startAttempt();
    emit subjectChanged(code);
    show(Stage());
    keepRecord();
}

void Session::setPracticeMode(bool on) {
    if (on == practiceMode())
        return;
    if (on) {
        startAttempt();
        keepRecord();
    } else {
        m_attempt.reset();
    }
    emit practiceModeChanged(on);
}

void Session::continueAttempt(const Attempt& recorded) {
    Attempt replayed = replay(recorded).attempt;
    m_subject = Subject(replayed.code);
    m_origin = Origin::Given;
    if (replayed.student.isNamed())
        m_student = replayed.student;
    replayed.student = m_student;
    const Stage stage = Stage::fromIndex(replayed.stage).value_or(Stage());
    m_attempt = std::move(replayed);
    emit subjectChanged(code());
    emit practiceModeChanged(true);
    show(stage);
    if (m_handInWriter)
        m_handInWriter->save(*m_attempt);
}

void Session::setStudent(const Student& student) {
    m_student = student;
    if (m_attempt)
        m_attempt->student = student;
    keepRecord();
}

QList<FieldCheck> Session::check(int question, const QStringList& entries) {
    if (!m_attempt || question != m_sequence.posedQuestion())
        return {};
    const QList<FieldCheck> checks =
        Judge(scenario()).check(question, entries, latestEntries(m_attempt->checks));
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (qsizetype i = 0; i < checks.size(); ++i) {
        const QString entry = entries.value(i);
        if (!entry.trimmed().isEmpty())
            m_attempt->checks.append(
                {now, question, checks[i].field, entry, checks[i].value, checks[i].verdict});
    }
    keepRecord();
    emit checked(question, checks);
    return checks;
}
