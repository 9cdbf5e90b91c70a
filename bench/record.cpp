// Saving a practice record after a check, in-process: RecordFolder::save of
// an attempt of 30 checks, a sitting's worth, and of 300, from the call to
// the file committed and synced to disk. Then a class's 300 records, for
// scripts/bench to collate from outside and to hand to the teacher window.
//
//   bench_record FOLDER [SAVES]
//
// FOLDER should be on the disk the program's data lives on: a save ends in
// fdatasync, which a tmpfs makes free. Output, tab-separated, for each size
// the whole save and, to tell the program's share from the disk's, the
// making of the JSON text alone:
//   save LABEL median_ms p95_ms max_ms n
//   json LABEL median_ms p95_ms max_ms n
// and FOLDER/class then holds the class's records, FOLDER/class30 the
// first 30 of them.
#include "bench/stats.h"
#include "records/recordfolder.h"
#include "records/recordjson.h"
#include "records/replay.h"

#include <QDir>
#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>

namespace {

const char* const typed[] = {"159.8", "160 mmol", "7", "1,234", "abc", "2,43 L", "0.1598 mol"};
const Verdict verdicts[] = {Verdict::correct, Verdict::notYet, Verdict::slip, Verdict::close,
                            Verdict::carriedForward};

// An attempt of `count` checks through the six questions in turn, several
// of each field, each tenth of them unreadable, as a student who tries
// again writes them: a genuine record, which nothing marks edited.
Attempt attemptOf(int subject, int count) {
    Attempt attempt(*SubjectCode::fromIndex(subject),
                    QDateTime::currentDateTimeUtc().addSecs(-3600 - subject));
    const auto fields = answerFields();
    for (int i = 0; i < count; ++i) {
        const AnswerField& field = fields[std::size_t(i) * fields.size() / std::size_t(count)];
        CheckEntry check{attempt.started.addMSecs(1000 * i + 7),
                         field.question,
                         field.field,
                         QString::fromLatin1(typed[i % std::size(typed)]),
                         {},
                         {}};
        if (i % 10 != 4) {
            check.value = 150.0 + i * 0.1;
            check.verdict = verdicts[i % std::size(verdicts)];
        }
        attempt.checks.append(check);
    }
    attempt.stage = std::min(Attempt::finalStage(), 2 * attempt.checks.back().question);
    attempt.updated = attempt.checks.back().time;
    return attempt;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_record FOLDER [SAVES]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int saves = argc > 2 ? std::max(1, std::atoi(argv[2])) : 200;

    for (const int count : {30, 300}) {
        const RecordFolder records(QDir(folder).filePath(QStringLiteral("saves")));
        Attempt attempt = attemptOf(count, count);
        std::vector<double> times, texts;
        for (int save = 0; save <= saves; ++save) {
            attempt.updated = attempt.updated.addMSecs(1000); // each save writes a new text
            QString error;
            QElapsedTimer clock;
            clock.start();
            const bool saved = records.save(attempt, &error);
            const double ms = double(clock.nsecsElapsed()) / 1e6;
            if (!saved) {
                std::fprintf(stderr, "bench_record: %s\n", qUtf8Printable(error));
                return 1;
            }
            if (save > 0) // the first makes the folder
                times.push_back(ms);
            clock.restart();
            const QByteArray text = RecordJson::write(attempt);
            texts.push_back(double(clock.nsecsElapsed()) / 1e6);
            if (text.isEmpty())
                return 1;
        }
        for (const auto& [key, sample] : {std::pair{"save", &times}, std::pair{"json", &texts}}) {
            const Stats::Summary s = Stats::summarise(*sample);
            std::printf("%s\tattempt of %d checks\t%.3f\t%.3f\t%.3f\t%zu\n", key, count, s.median,
                        Stats::quantile(*sample, 0.95), s.max, s.n);
        }
    }

    // A class of 300, each between 10 and 60 checks into the exercise, named
    // and judged as the program writes them, for collation to judge again.
    // The first 30 of them stand again in a folder of their own, a class of
    // 30 to measure the 300 against.
    const RecordFolder classRecords(QDir(folder).filePath(QStringLiteral("class")));
    const RecordFolder smallClass(QDir(folder).filePath(QStringLiteral("class30")));
    for (int student = 0; student < 300; ++student) {
        Attempt attempt = attemptOf(student * 33, 10 + student % 51);
        attempt.student = {QStringLiteral("Student %1").arg(student), QString::number(student)};
        const Attempt judged = replay(attempt).attempt;
        QString error = replay(judged).edited.value_or(QString());
        if (!error.isEmpty() || !classRecords.save(judged, &error) ||
            (student < 30 && !smallClass.save(judged, &error))) {
            std::fprintf(stderr, "bench_record: %s\n", qUtf8Printable(error));
            return 1;
        }
    }
    return 0;
}
