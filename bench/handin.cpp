// A class handing in, for the watched-folder benchmark: a process of its
// own, so that none of its work counts against the teacher window. Every
// second for SECONDS, PER_SECOND of the records in FOLDER are written anew,
// in turn and evenly spaced, each as a student's program writes its record
// after a check: the whole record through QSaveFile, one more check at the
// end, its last update the wall-clock time of the write, judged as the
// program judges it so that nothing marks it edited.
//
//   bench_handin FOLDER [SECONDS] [PER_SECOND]
//
// Output, tab-separated, once done:
//   written COUNT files write_median_ms write_max_ms latest_start_ms
// (latest_start_ms: how far behind its schedule a write began, at worst).
#include "bench/stats.h"
#include "records/recordfolder.h"
#include "records/replay.h"

#include <QDateTime>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_handin FOLDER [SECONDS] [PER_SECOND]\n");
        return 2;
    }
    const RecordFolder folder(QString::fromLocal8Bit(argv[1]));
    const int seconds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 60;
    const int perSecond = argc > 3 ? std::max(1, std::atoi(argv[3])) : 15;

    const QStringList files = folder.files();
    QList<Attempt> attempts;
    for (const QString& file : files) {
        QString error;
        const std::optional<Attempt> attempt = RecordFolder::read(file, &error);
        if (!attempt) {
            std::fprintf(stderr, "bench_handin: %s\n", qUtf8Printable(error));
            return 1;
        }
        attempts.append(*attempt);
    }
    if (attempts.isEmpty()) {
        std::fprintf(stderr, "bench_handin: no records in %s\n", argv[1]);
        return 1;
    }

    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const auto spacing = std::chrono::microseconds(1000000 / perSecond);
    std::vector<double> writes;
    double latest = 0;
    for (int i = 0; i < seconds * perSecond; ++i) {
        const auto due = start + i * spacing;
        std::this_thread::sleep_until(due);
        const auto began = Clock::now();
        latest = std::max(latest, std::chrono::duration<double, std::milli>(began - due).count());

        const qsizetype which = i % attempts.size();
        Attempt attempt = attempts[which];
        const CheckEntry& last = attempt.checks.back();
        const QDateTime now = QDateTime::currentDateTimeUtc();
        attempt.checks.append(
            {now, last.question, last.field, QStringLiteral("%1").arg(150.0 + i * 0.01), {}, {}});
        attempt.updated = now;
        const Attempt judged = replay(attempt).attempt;
        QString error = replay(judged).edited.value_or(QString());
        if (!error.isEmpty() || !RecordFolder::write(judged, files[which], &error)) {
            std::fprintf(stderr, "bench_handin: %s\n", qUtf8Printable(error));
            return 1;
        }
        attempts[which] = judged;
        writes.push_back(std::chrono::duration<double, std::milli>(Clock::now() - began).count());
    }
    const Stats::Summary s = Stats::summarise(writes);
    std::printf("written\t%zu\t%lld\t%.2f\t%.2f\t%.1f\n", writes.size(),
                static_cast<long long>(attempts.size()), s.median, s.max, latest);
    return 0;
}
