#include "narrator.h"

#include "panes/announcer.h"
#include "session/session.h"
#include "stages/exercise.h"

#include <QEvent>
#include <QTimer>

#include <utility>

namespace {

// How long the narrator waits, after what it last said, to say what can wait.
constexpr std::chrono::milliseconds quietBeforeLater{3000};

} // namespace
#include <QWidget>

Narrator::Narrator(Session& session, QWidget& window, Announcer& announcer)
    : QObject(&window)
    , m_session(session)
    , m_announcer(announcer) {
    connect(&session, &Session::printed, this, &Narrator::heard);
    connect(&session, &Session::finished, this, &Narrator::finished);
    connect(&session, &Session::stageChanged, this, &Narrator::stageChanged);
    connect(&session, &Session::checked, this, &Narrator::checked);
    connect(&session, &Session::practiceModeChanged, this, &Narrator::practiceModeChanged);
    connect(&session, &Session::recordProblem, this,
            [this](const QString& message) { say({message}); });
    // A problem handing in is the alert of a message box, which a screen
    // reader reads as it opens.
    connect(&session, &Session::handInChanged, this, &Narrator::handInChanged);
    m_later = new QTimer(this);
    m_later->setSingleShot(true);
    m_later->setInterval(quietBeforeLater);
    connect(m_later, &QTimer::timeout, this,
            [this] { m_announcer.announce(std::exchange(m_laterMessage, {})); });
    window.installEventFilter(this);
}

void Narrator::heard(Pane, const Lines& lines) {
    m_pending += Transcript::plain(lines);
}

void Narrator::finished() {
    m_pending.append(tr("Exercise complete."));
}

void Narrator::stageChanged() {
    // A question posed in practice mode: where the answer goes.
    if (m_session.practiceMode() && m_session.posedQuestion() && !m_pending.isEmpty())
        m_pending.append(Exercise::question(m_session.posedQuestion()).fields.front().spokenName());
    say(m_pending);
    m_pending.clear();
}

void Narrator::practiceModeChanged(bool on) {
    QStringList said = {on ? tr("Practice mode on: type each answer and check it.")
                           : tr("Practice mode off.")};
    if (on && m_session.posedQuestion())
        said.append(Exercise::question(m_session.posedQuestion()).fields.front().spokenName());
    say(said);
}

// Once when handing in begins and once when it comes back, not after every
// check, nor as the window opens, where the problem is being read; and only
// once nothing else has been said for a moment: said at once, it would take
// the place of the verdict or the answer that the same check or press had
// just said.
void Narrator::handInChanged(const HandIn& handIn) {
    const bool handedIn = handIn.handedIn.isValid() && !handIn.problem;
    if (handedIn && !m_handedIn && m_greeted) {
        m_laterMessage = handIn.status();
        m_later->start();
    }
    m_handedIn = handedIn;
}

void Narrator::checked(int question, const QList<FieldCheck>& checks) {
    const auto fields = Exercise::question(question).fields;
    QStringList said;
    for (qsizetype i = 0; i < checks.size() && i < qsizetype(fields.size()); ++i) {
        if (checks[i].message.isEmpty())
            continue;
        //: A part of question 2, then its verdict: "Glucose from 2 x lactate: Correct."
        said.append(fields.size() > 1
                        ? tr("%1: %2").arg(fields[size_t(i)].labelText(), checks[i].message)
                        : checks[i].message);
    }
    say(said);
}

void Narrator::say(const QStringList& lines) {
    QStringList spoken;
    for (const QString& line : lines)
        if (!line.trimmed().isEmpty())
            spoken.append(line.trimmed());
    if (spoken.isEmpty())
        return;
    m_announcer.announce(spoken.join(u'\n'));
    if (m_later->isActive())
        m_later->start(); // a moment's quiet again
}

bool Narrator::eventFilter(QObject* watched, QEvent* event) {
    auto* window = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::ActivationChange && !m_greeted && window->isActiveWindow()) {
        m_greeted = true;
        // Once the window's name and the focused button have been said.
        QTimer::singleShot(0, this, [this] {
            say(Transcript::plain(
                Transcript::pane(m_session.scenario(), m_session.stage(), Pane::Questions)));
        });
    }
    return QObject::eventFilter(watched, event);
}
