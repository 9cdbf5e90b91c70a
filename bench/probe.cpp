// Measuring aids shared by the benchmark programs (see probe.h).
#include "probe.h"

#include <QCoreApplication>
#include <QFile>
#include <QPaintEvent>
#include <QRegion>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <time.h>

namespace Probe {

namespace {

qint64 statusField(const char* name) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(name) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

bool windowExposed(const QWidget* widget) {
    const QWindow* handle = widget->window()->windowHandle();
    return handle && handle->isExposed();
}

} // namespace

qint64 monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

qint64 peakRssKiB() {
    return statusField("VmHWM");
}

qint64 residentKiB() {
    return statusField("VmRSS");
}

bool covers(const QRegion& region, const QRect& area) {
    return (QRegion(area) - region).isEmpty();
}

PaintWatch::PaintWatch(QObject* installOn, Match match)
    : m_installedOn(installOn)
    , m_match(std::move(match)) {
    m_installedOn->installEventFilter(this);
}

PaintWatch::~PaintWatch() {
    m_installedOn->removeEventFilter(this);
}

bool PaintWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (m_match(widget, *static_cast<QPaintEvent*>(event)))
            ++m_count;
    }
    return false;
}

bool processUntil(const std::function<bool()>& done, int timeoutMs) {
    QTimer watchdog;
    watchdog.setSingleShot(true);
    watchdog.start(timeoutMs);
    while (!done()) {
        if (!watchdog.isActive())
            return false;
        // What is already queued first, without waiting: a blocking pass
        // would go on to sleep for the next event after the repaint that
        // was wanted and charge that sleep to the press.
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (done())
            break;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

void settle(int ms) {
    QTimer until;
    until.setSingleShot(true);
    until.start(ms);
    while (until.isActive())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

FirstPaintReport::FirstPaintReport(QWidget* widget, QRect area, int settleMs)
    : m_widget(widget)
    , m_area(area)
    , m_settleMs(settleMs) {
    m_widget->installEventFilter(this);
    QTimer::singleShot(20'000, this, [] {
        std::fputs("no paint of the measured area within 20 s\n", stderr);
        std::exit(2);
    });
}

bool FirstPaintReport::eventFilter(QObject* watched, QEvent* event) {
    if (!m_seen && watched == m_widget && event->type() == QEvent::Paint &&
        windowExposed(m_widget) && covers(static_cast<QPaintEvent*>(event)->region(), m_area)) {
        m_seen = true;
        // The paint event is about to be delivered; the time is taken once
        // the whole repaint, flush to the window included, has returned.
        QMetaObject::invokeMethod(this, &FirstPaintReport::painted, Qt::QueuedConnection);
    }
    return false;
}

void FirstPaintReport::painted() {
    const qint64 at = monotonicNs();
    std::printf("painted_at_ns %lld\n", static_cast<long long>(at));
    std::fflush(stdout);
    QTimer::singleShot(m_settleMs, this, &FirstPaintReport::finish);
}

void FirstPaintReport::finish() {
    std::printf("peak_rss_kib %lld\n", static_cast<long long>(peakRssKiB()));
    std::fflush(stdout);
    QCoreApplication::quit();
}

int settleArgument(int argc, char* argv[]) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--settle") == 0)
            return std::atoi(argv[i + 1]);
    }
    return 0;
}

} // namespace Probe
