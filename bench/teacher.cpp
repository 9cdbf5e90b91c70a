// The teacher window, in-process on the offscreen platform. First, a class's
// records handed in: from the call that reads a folder of them (each record
// judged again from its entries) until the table of attempts and the chart
// have painted, in a fresh window each time. Then a class set written from
// the Class set page: how often its progress moves, from Write to the
// outcome shown.
//
//   bench_teacher FOLDER [LOADS] [SETS] [SUBJECTS]
//
// Output, tab-separated:
//   load LABEL median_ms p95_ms max_ms n
//   memory LABEL first_load_peak_kib last_load_peak_kib
//   progress LABEL updates longest_gap_ms per_second total_ms
#include "bench/probe.h"
#include "bench/stats.h"
#include "teacher/chartview.h"
#include "teacher/classsetpage.h"
#include "teacher/handedinpage.h"
#include "teacher/teacherwindow.h"
#include "windows/applicationinfo.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProgressBar>
#include <QProgressDialog>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

bool anyPaint(QWidget*, const QPaintEvent&) {
    return true;
}

int painted(Probe::PaintWatch& table, Probe::PaintWatch& chart) {
    return std::min(table.count(), chart.count());
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ApplicationInfo::apply();
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_teacher FOLDER [LOADS] [SETS] [SUBJECTS]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int loads = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
    const int sets = argc > 3 ? std::max(1, std::atoi(argv[3])) : 3;
    const int subjects = argc > 4 ? std::max(1, std::atoi(argv[4])) : 300;

    std::vector<double> times;
    qint64 firstPeak = 0;
    qsizetype rows = 0;
    for (int load = 0; load < loads; ++load) {
        TeacherWindow window;
        window.resize(1024, 768);
        window.pages()->setCurrentWidget(window.handedIn());
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return 2;
        Probe::PaintWatch table(window.handedIn()->table()->viewport(), anyPaint);
        Probe::PaintWatch chart(window.handedIn()->chart(), anyPaint);
        const int before = painted(table, chart);
        QElapsedTimer clock;
        clock.start();
        window.addRecords({folder});
        if (!Probe::processUntil([&] { return painted(table, chart) > before; }, 10000))
            return 3;
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
        rows = window.handedIn()->table()->model()->rowCount();
        if (load == 0)
            firstPeak = Probe::peakRssKiB();
    }
    const Stats::Summary s = Stats::summarise(times);
    std::printf("load\t%lld records\t%.1f\t%.1f\t%.1f\t%zu\n", static_cast<long long>(rows),
                s.median, Stats::quantile(times, 0.95), s.max, s.n);
    std::printf("memory\t%d loads\t%lld\t%lld\n", loads, static_cast<long long>(firstPeak),
                static_cast<long long>(Probe::peakRssKiB()));

    for (int set = 0; set < sets; ++set) {
        const QTemporaryDir out;
        TeacherWindow window;
        window.resize(1024, 768);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return 2;
        ClassSetPage* page = window.classSet();
        page->randomChoice()->setChecked(true);
        page->countField()->setValue(subjects);
        page->worksheetChoice()->setChecked(true);
        page->keyChoice()->setChecked(true);
        page->worksheetFile()->setText(out.filePath(QStringLiteral("worksheets.pdf")));
        page->keyFile()->setText(out.filePath(QStringLiteral("keys.pdf")));

        QElapsedTimer clock;
        clock.start();
        std::vector<qint64> moved; // ms since Write, each time the bar moves
        page->write();
        if (!page->progressDialog())
            return 4;
        auto* bar = page->progressDialog()->findChild<QProgressBar*>();
        if (!bar)
            return 4;
        QObject::connect(bar, &QProgressBar::valueChanged, bar,
                         [&moved, &clock] { moved.push_back(clock.elapsed()); });
        bool written = false;
        QObject::connect(page, &ClassSetPage::finished, page, [&](bool ok) { written = ok; });
        if (!Probe::processUntil([page] { return !page->isWriting(); }, 60000) || !written)
            return 5;
        const qint64 total = clock.elapsed();
        qint64 longest = 0, last = 0;
        for (const qint64 at : moved) {
            longest = std::max(longest, at - last);
            last = at;
        }
        longest = std::max(longest, total - last);
        std::printf("progress\t%d subjects, worksheets and keys\t%zu\t%lld\t%.1f\t%lld\n", subjects,
                    moved.size(), static_cast<long long>(longest),
                    double(moved.size()) * 1000.0 / double(std::max<qint64>(1, total)),
                    static_cast<long long>(total));
    }
    return 0;
}
