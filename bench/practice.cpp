// Checking a practice form, in-process on the offscreen platform: from
// Enter until the verdicts have been painted, for the one-field form of
// question 1 and the three fields of question 2, with right answers, slips
// and typing that cannot be read, the attempt's record kept as the program
// keeps it (handed to its writer's thread).
//
// Output, one tab-separated line per form:
//   check LABEL median_ms p95_ms max_ms n
#include "bench/stats.h"
#include "model/clockdraws.h"
#include "model/scenario.h"
#include "practice/answerform.h"
#include "windows/applicationinfo.h"
#include "windows/exercisewindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ApplicationInfo::apply();
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const QStringList typed = {"159.8", "160 mmol", "7", "1,234", "abc", "2,43 L", ""};
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
        for (int form = 0; form < 2; ++form) {
            AnswerForm* shown = window.answerForm();
            for (qsizetype i = 0; i < shown->fields().size(); ++i)
                shown->fields()[i]->setText(typed.at((round + i) % typed.size()));
            QCoreApplication::processEvents();
            QElapsedTimer clock;
            clock.start();
            shown->checkButton()->click();
            QCoreApplication::processEvents();
            times[form].push_back(double(clock.nsecsElapsed()) / 1e6);
            window.button(Control(2 * form))->click();     // see answer
            window.button(Control(2 * form + 1))->click(); // hide answer
        }
    }
    const char* labels[] = {"question 1, one field", "question 2, three fields"};
    for (int form = 0; form < 2; ++form) {
        const Stats::Summary s = Stats::summarise(times[form]);
        std::printf("check\t%s\t%.3f\t%.3f\t%.3f\t%zu\n", labels[form], s.median,
                    Stats::quantile(times[form], 0.95), s.max, s.n);
    }
    return 0;
}
