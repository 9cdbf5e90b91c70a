#include "narrator.h"

#include "panes/announcer.h"
#include "session/session.h"
#include "stages/exercise.h"

#include <QEvent>
#include <QTimer>
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
    connect(&session, &Session::handInChanged, this, &Narrator::handInChanged);
    connect(&session, &Session::handInProblem, this,
            [this] { say({m_session.handIn().status()}); });
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

// Once when handing in begins and once when it comes back: after every
// check it would drown the verdicts.
void Narrator::handInChanged(const HandIn& handIn) {
    const bool handedIn = handIn.handedIn.isValid() && !handIn.problem;
    if (handedIn && !m_handedIn)
        say({handIn.status()});
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
    if (!spoken.isEmpty())
        m_announcer.announce(spoken.join(u'\n'));
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
