// The teacher window watching a folder that a class hands in to, under
// load, in-process on the offscreen platform. Once the folder's records are
// all shown, bench_handin (another process, whose work is not counted here)
// writes them anew for SECONDS; each change is timed from its write (the
// record's last update, wall-clock) to the end of the first repaint of the
// chart after the table's model holds it, the table painted in the same
// pass: when the page's update has gone through, the repaint it asked for
// is done. Also timed to the model alone, looked at straight after the
// page's update. Over the writer's run: this process's CPU time, all its
// threads, as a share of one core, and its resident set at the start and
// at the end.
//
//   bench_watch FOLDER BENCH_HANDIN [SECONDS] [PER_SECOND]
//
// Output, tab-separated:
//   painted LABEL median_ms p95_ms max_ms n missed
//   model LABEL median_ms p95_ms max_ms n
//   cpu LABEL seconds cpu_seconds per_cent_of_one_core
//   resident LABEL start_kib end_kib peak_kib early_kib (a sixth of the way in)
//   written ... (bench_handin's own line)
#include "bench/probe.h"
#include "bench/stats.h"
#include "classwork/handedin.h"
#include "records/recordfolder.h"
#include "teacher/attempttable.h"
#include "teacher/chartview.h"
#include "teacher/handedinpage.h"
#include "teacher/teacherwindow.h"
#include "windows/applicationinfo.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QProcess>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <map>
#include <sys/resource.h>

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Follows the page: which records' changes its model shows, and when the
// repaint after shows them.
class ChangeWatch : public QObject {
public:
    explicit ChangeWatch(HandedInPage* page)
        : m_page(page) {
        const AttemptTable* model = page->tableModel();
        for (int row = 0; row < model->rowCount(); ++row)
            m_seen[HandedIn::attemptKey(model->record(row)->attempt)] =
                model->record(row)->attempt.updated.toMSecsSinceEpoch();
        const auto changed = [this] {
            lookSoon();
        };
        connect(model, &QAbstractItemModel::dataChanged, this, changed);
        connect(model, &QAbstractItemModel::rowsInserted, this, changed);
        connect(model, &QAbstractItemModel::modelReset, this, changed);
        page->chart()->installEventFilter(this);
    }

    std::vector<double> toModel, toPainted;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            look(); // in case this repaint came before the queued look
            if (!m_waiting.empty()) {
                // Stamped once this pass, the table's paint and the flush
                // included, has returned to the event loop.
                QMetaObject::invokeMethod(
                    this,
                    [this, waiting = std::move(m_waiting)] {
                        const qint64 now = QDateTime::currentMSecsSinceEpoch();
                        for (const qint64 updated : waiting)
                            toPainted.push_back(double(now - updated));
                    },
                    Qt::QueuedConnection);
                m_waiting.clear();
            }
        }
        return false;
    }

private:
    // After the page's update in progress, its chart set too.
    void lookSoon() {
        if (m_lookPosted)
            return;
        m_lookPosted = true;
        QMetaObject::invokeMethod(
            this, [this] { look(); }, Qt::QueuedConnection);
    }

    void look() {
        m_lookPosted = false;
        const AttemptTable* model = m_page->tableModel();
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        // Rows keep their places here (no record comes or goes), so each
        // row's place in m_seen is found once: this look must cost the
        // window's process next to nothing.
        if (m_rows.size() != std::size_t(model->rowCount())) {
            m_rows.clear();
            for (int row = 0; row < model->rowCount(); ++row)
                m_rows.push_back(&m_seen[HandedIn::attemptKey(model->record(row)->attempt)]);
        }
        for (int row = 0; row < model->rowCount(); ++row) {
            const qint64 updated = model->record(row)->attempt.updated.toMSecsSinceEpoch();
            qint64& seen = *m_rows[std::size_t(row)];
            if (updated > seen) {
                seen = updated;
                toModel.push_back(double(now - updated));
                m_waiting.push_back(updated);
            }
        }
    }

    HandedInPage* m_page;
    std::map<QString, qint64> m_seen; // each attempt's last update shown
    std::vector<qint64*> m_rows;      // each row's, in m_seen
    std::vector<qint64> m_waiting;    // shown in the model, not yet painted
    bool m_lookPosted = false;
};

void print(const char* key, const char* label, const std::vector<double>& sample) {
    const Stats::Summary s = Stats::summarise(sample);
    std::printf("%s\t%s\t%.1f\t%.1f\t%.1f\t%zu", key, label, s.median,
                Stats::quantile(sample, 0.95), s.max, s.n);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ApplicationInfo::apply();
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_watch FOLDER BENCH_HANDIN [SECONDS] [PER_SECOND]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString handIn = QString::fromLocal8Bit(argv[2]);
    const int seconds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 60;
    const int perSecond = argc > 4 ? std::max(1, std::atoi(argv[4])) : 15;
    const int records = int(RecordFolder(folder).files().size());

    TeacherWindow window;
    window.resize(1024, 768);
    window.pages()->setCurrentWidget(window.handedIn());
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 2;
    HandedInPage* page = window.handedIn();
    window.watch(folder);
    if (!Probe::processUntil([&] { return page->tableModel()->rowCount() == records; }, 30000))
        return 3;
    Probe::settle(500);

    ChangeWatch changes(page);
    QProcess writer;
    writer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const qint64 rssStart = Probe::residentKiB();
    const double cpuStart = cpuSeconds();
    QElapsedTimer clock;
    clock.start();
    writer.start(handIn, {folder, QString::number(seconds), QString::number(perSecond)});
    if (!writer.waitForStarted(5000))
        return 4;
    // Growth that is only the first changes' warming up stops early: the
    // resident set a sixth of the way in, to tell it from growth that goes on.
    qint64 rssEarly = 0;
    QTimer::singleShot(seconds * 1000 / 6, &writer,
                       [&rssEarly] { rssEarly = Probe::residentKiB(); });
    if (!Probe::processUntil([&] { return writer.state() == QProcess::NotRunning; },
                             (seconds + 30) * 1000) ||
        writer.exitStatus() != QProcess::NormalExit || writer.exitCode() != 0)
        return 5;
    const double wall = double(clock.nsecsElapsed()) / 1e9;
    const double cpu = cpuSeconds() - cpuStart;
    const qint64 rssEnd = Probe::residentKiB();

    // The last changes: a look every 2 s at the latest, then their repaint.
    const QByteArray written = writer.readAllStandardOutput();
    const QList<QByteArray> fields = written.trimmed().split('\t');
    const qsizetype expected = fields.size() > 1 ? fields[1].toLongLong() : 0;
    Probe::processUntil([&] { return qsizetype(changes.toPainted.size()) >= expected; }, 5000);

    char label[64];
    std::snprintf(label, sizeof label, "%d records, %d changed a second", records, perSecond);
    print("painted", label, changes.toPainted);
    std::printf("\t%lld\n", static_cast<long long>(expected - qsizetype(changes.toPainted.size())));
    print("model", label, changes.toModel);
    std::printf("\n");
    std::printf("cpu\t%s\t%.1f\t%.2f\t%.1f\n", label, wall, cpu, 100.0 * cpu / wall);
    std::printf("resident\t%s\t%lld\t%lld\t%lld\t%lld\n", label, static_cast<long long>(rssStart),
                static_cast<long long>(rssEnd), static_cast<long long>(Probe::peakRssKiB()),
                static_cast<long long>(rssEarly));
    std::printf("%s", written.constData());
    return 0;
}
