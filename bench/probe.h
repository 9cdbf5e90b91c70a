// Measuring aids shared by the benchmark programs: one clock that every
// process reads alike, the peak resident set, and a watch that sees when a
// widget has actually painted, so that times end at pixels, not at calls.
#pragma once

#include <QObject>
#include <QRect>

#include <functional>

class QPaintEvent;
class QRegion;
class QWidget;

namespace Probe {

// CLOCK_MONOTONIC in nanoseconds: system-wide, so a launcher and the program
// it starts can subtract their readings.
qint64 monotonicNs();

// VmHWM and VmRSS of this process from /proc/self/status, in KiB.
qint64 peakRssKiB();
qint64 residentKiB();

// True when `region` contains every pixel of `area` (QRegion::contains(QRect)
// only tests for overlap).
bool covers(const QRegion& region, const QRect& area);

// Counts the paint events that `match` accepts. Installed on one widget it
// sees that widget's paints; installed on the application it sees all.
class PaintWatch : public QObject {
public:
    using Match = std::function<bool(QWidget* widget, const QPaintEvent& event)>;

    PaintWatch(QObject* installOn, Match match);
    ~PaintWatch() override;

    int count() const { return m_count; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QObject* m_installedOn;
    Match m_match;
    int m_count = 0;
};

// Runs the event loop, sleeping while idle, until done() holds; false when
// timeoutMs passed first. done() is tested between event-loop passes, so a
// repaint that satisfies it has finished, flush included, when this returns.
bool processUntil(const std::function<bool()>& done, int timeoutMs);

// Runs the event loop for `ms` milliseconds, letting the window system and
// the window manager catch up.
void settle(int ms);

// The end of a start-up run: once `widget` has painted all of `area` in an
// exposed window, prints "painted_at_ns" (monotonicNs() after that repaint
// returned to the event loop) and, `settleMs` later, "peak_rss_kib", then
// quits the application. Gives up with exit status 2 after 20 s.
class FirstPaintReport : public QObject {
public:
    FirstPaintReport(QWidget* widget, QRect area, int settleMs);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void painted();
    void finish();

    QWidget* m_widget;
    QRect m_area;
    int m_settleMs;
    bool m_seen = false;
};

// Milliseconds to settle after the first paint, from "--settle MS" in argv
// (0 without it).
int settleArgument(int argc, char* argv[]);

} // namespace Probe
