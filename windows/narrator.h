// What a screen reader is told of the exercise, made from the session's own
// signals: what a press or a new subject printed, said once the window has
// moved the focus (so that the reader names the focused control first),
// ending, in practice mode, with the name of the field to answer in;
// "Exercise complete." at the end; practice mode turned on or off; each
// verdict of a check; a record that cannot be kept; where the attempt is
// handed in, when that begins or comes back after a problem, and the
// problem once; and, when the window is first activated, the problem as it
// stands.
#pragma once

#include "judging/judge.h"
#include "session/session.h"
#include "stages/transcript.h"

#include <QObject>
#include <QStringList>

class Announcer;
class QTimer;
class QWidget;

class Narrator : public QObject {
    Q_OBJECT

public:
    // Connect it after the window's own handlers of the session's signals.
    Narrator(Session& session, QWidget& window, Announcer& announcer);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void heard(Pane pane, const Lines& lines);
    void finished();
    void stageChanged();
    void checked(int question, const QList<FieldCheck>& checks);
    void practiceModeChanged(bool on);
    void handInChanged(const HandIn& handIn);
    // The lines with words, trimmed, as one message.
    void say(const QStringList& lines);

    Session& m_session;
    Announcer& m_announcer;
    QStringList m_pending; // of the press under way
    bool m_greeted = false;
    bool m_handedIn = false; // said so since the folder was set or came back
    QTimer* m_later;         // says m_laterMessage once all is quiet
    QString m_laterMessage;
};
