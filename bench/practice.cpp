// Checking a practice form, in-process on the offscreen platform: from
// Enter until the verdicts have been painted, for the one-field form of
// question 1 and the three fields of question 2, with right answers, slips
// and typing that cannot be read, the attempt's record kept as the program
// keeps it (handed to its writer's thread).
//
// With --hand-in, the same checks with the attempt handed in to FOLDER as
// well, meant to be a folder that answers slowly (bench_slowfolder): a
// student at a steady pace in one window, a new attempt each round, while
// the folder's writer falls ever further behind. With --server, that
// folder's server is then killed and the same window goes on checking, its
// hand-in folder gone from under it; last, a fresh window hands in to a
// folder that does not exist.
//
//   bench_practice [ROUNDS] [--hand-in FOLDER [--server PID]]
//
// Output, one tab-separated line per form, or with --hand-in per folder
// (both forms' checks together), then what the folder's writer managed:
//   check LABEL median_ms p95_ms max_ms n
//   handin KEY median_ms p95_ms max_ms n seconds longest_still_ms
//          cpu_median_ms cpu_p95_ms cpu_max_ms (the window's thread alone)
//          click_median_ms click_p95_ms click_max_ms (the check, nothing painted)
//   handedin KEY written failed first_written_ms
#include "bench/stats.h"
#include "model/clockdraws.h"
#include "model/scenario.h"
#include "practice/answerform.h"
#include "windows/applicationinfo.h"
#include "windows/exercisewindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <signal.h>
#include <sys/types.h>
#include <time.h>

namespace {

const QStringList typed = {"159.8", "160 mmol", "7", "1,234", "abc", "2,43 L", ""};

// This thread's CPU time in milliseconds: what a check costs the window's
// thread itself, whatever else the machine runs meanwhile.
double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

struct Check {
    double ms = 0, cpuMs = 0;
    double clickMs = 0; // the check's own work: click() until it returns, nothing painted
};

// Types into the form shown and checks it, then sees and hides the answer,
// which poses the next question; the time from click() until the verdicts
// are painted.
Check checkForm(ExerciseWindow& window, int round, int form) {
    AnswerForm* shown = window.answerForm();
    for (qsizetype i = 0; i < shown->fields().size(); ++i)
        shown->fields()[i]->setText(typed.at((round + i) % typed.size()));
    QCoreApplication::processEvents();
    QElapsedTimer clock;
    const double cpuBefore = threadCpuMs();
    clock.start();
    shown->checkButton()->click();
    const double clickMs = double(clock.nsecsElapsed()) / 1e6;
    QCoreApplication::processEvents();
    const Check check{double(clock.nsecsElapsed()) / 1e6, threadCpuMs() - cpuBefore, clickMs};
    window.button(Control(2 * form))->click();     // see answer
    window.button(Control(2 * form + 1))->click(); // hide answer
    return check;
}

int plainChecks(int rounds) {
    const QTemporaryDir records;
    std::vector<double> times[2];
    for (int round = 0; round < rounds; ++round) {
        ClockDraws draws;
        ExerciseWindow window(SubjectCode::draw(std::ref(draws)));
        window.session().setRecordFolder(records.path());
        window.session().setPracticeMode(true);
        window.resize(1024, 768);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return 2;
        for (int form = 0; form < 2; ++form)
            times[form].push_back(checkForm(window, round, form).ms);
    }
    const char* labels[] = {"question 1, one field", "question 2, three fields"};
    for (int form = 0; form < 2; ++form) {
        const Stats::Summary s = Stats::summarise(times[form]);
        std::printf("check\t%s\t%.3f\t%.3f\t%.3f\t%zu\n", labels[form], s.median,
                    Stats::quantile(times[form], 0.95), s.max, s.n);
    }
    return 0;
}

// What the hand-in folder's writer has done, as the session tells it.
struct HandInCount {
    int written = 0, failed = 0;
    qint64 firstWrittenMs = -1; // from the count's start
    QElapsedTimer since;
};

struct Rounds {
    std::vector<double> times, cpuTimes, clickTimes;
    qint64 longestStillMs = 0; // the event loop's longest wait for a turn
};

// `rounds` rounds in `window`, each a new attempt checked at questions 1
// and 2, `pauseMs` between rounds as a student's typing leaves the event
// loop to itself. A timer every 5 ms tells whether anything else held the
// window's thread meanwhile (a write that waited for the folder would).
Rounds handInRounds(ExerciseWindow& window, int rounds, int pauseMs) {
    Rounds done;
    QElapsedTimer beat;
    beat.start();
    qint64 last = 0;
    QTimer heart;
    QObject::connect(&heart, &QTimer::timeout, &heart, [&] {
        const qint64 now = beat.elapsed();
        done.longestStillMs = std::max(done.longestStillMs, now - last);
        last = now;
    });
    heart.start(5);
    ClockDraws draws;
    for (int round = 0; round < rounds; ++round) {
        if (round > 0)
            window.session().setSubject(SubjectCode::draw(std::ref(draws)), Session::Origin::Drawn);
        for (int form = 0; form < 2; ++form) {
            const Check check = checkForm(window, round, form);
            done.times.push_back(check.ms);
            done.cpuTimes.push_back(check.cpuMs);
            done.clickTimes.push_back(check.clickMs);
        }
        QTest::qWait(pauseMs);
    }
    return done;
}

void printHandIn(const char* key, const Rounds& rounds, const HandInCount& count) {
    const std::vector<double>& times = rounds.times;
    const Stats::Summary s = Stats::summarise(times);
    const Stats::Summary cpu = Stats::summarise(rounds.cpuTimes);
    const Stats::Summary click = Stats::summarise(rounds.clickTimes);
    std::printf(
        "handin\t%s\t%.3f\t%.3f\t%.3f\t%zu\t%.1f\t%lld\t%.3f\t%.3f\t%.3f\t%.3f\t%.3f\t%.3f\n", key,
        s.median, Stats::quantile(times, 0.95), s.max, s.n, double(count.since.elapsed()) / 1000.0,
        static_cast<long long>(rounds.longestStillMs), cpu.median,
        Stats::quantile(rounds.cpuTimes, 0.95), cpu.max, click.median,
        Stats::quantile(rounds.clickTimes, 0.95), click.max);
    std::printf("handedin\t%s\t%d\t%d\t%lld\n", key, count.written, count.failed,
                static_cast<long long>(count.firstWrittenMs));
    std::fflush(stdout);
}

// A window in practice mode, its records kept in `records` and handed in to
// `folder`, counting into *count (which may be changed) what its writer
// does from then on.
std::unique_ptr<ExerciseWindow> handingIn(const QString& records, const QString& folder,
                                          HandInCount** count) {
    ClockDraws draws;
    auto window = std::make_unique<ExerciseWindow>(SubjectCode::draw(std::ref(draws)));
    Session& session = window->session();
    session.setRecordFolder(records);
    session.setPracticeMode(true);
    QObject::connect(&session, &Session::handInChanged, window.get(),
                     [count](const HandIn& handIn) {
                         HandInCount& into = **count;
                         if (handIn.problem) {
                             ++into.failed;
                         } else if (handIn.handedIn.isValid()) {
                             ++into.written;
                             if (into.firstWrittenMs < 0)
                                 into.firstWrittenMs = into.since.elapsed();
                         }
                     });
    window->resize(1024, 768);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return nullptr;
    (*count)->since.start();
    session.setHandInFolder(folder);
    return window;
}

int handInChecks(int rounds, const QString& folder, pid_t server) {
    const QTemporaryDir records;

    // The same rounds handed in nowhere, to tell the folder's share.
    HandInCount none, slow, lost;
    HandInCount* counting = &none;
    auto window = handingIn(records.path(), QString(), &counting);
    if (!window)
        return 2;
    printHandIn("none", handInRounds(*window, rounds, 20), none);

    // The slow folder, long enough for a few records to get through it.
    counting = &slow;
    window = handingIn(records.path(), folder, &counting);
    if (!window)
        return 2;
    printHandIn("slow", handInRounds(*window, rounds, 100), slow);

    // Its server killed mid-attempt, writes still queued: the mount stays,
    // every request to it failing, as a share gone offline does.
    if (server > 0) {
        if (::kill(server, SIGKILL) != 0) {
            std::perror("bench_practice: kill");
            return 3;
        }
        counting = &lost;
        lost.since.start();
        printHandIn("lost", handInRounds(*window, rounds, 20), lost);
    }
    window.reset();

    // A folder that is not there at all, a stick never put in.
    HandInCount missing;
    counting = &missing;
    const QString nowhere = QDir(records.path()).filePath(QStringLiteral("no such folder"));
    window = handingIn(records.path(), nowhere, &counting);
    if (!window)
        return 2;
    printHandIn("missing", handInRounds(*window, rounds, 20), missing);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ApplicationInfo::apply();
    int rounds = 200;
    QString handIn;
    pid_t server = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--hand-in") == 0 && i + 1 < argc)
            handIn = QString::fromLocal8Bit(argv[++i]);
        else if (std::strcmp(argv[i], "--server") == 0 && i + 1 < argc)
            server = pid_t(std::atoi(argv[++i]));
        else
            rounds = std::max(1, std::atoi(argv[i]));
    }
    return handIn.isEmpty() ? plainChecks(rounds) : handInChecks(rounds, handIn, server);
}
