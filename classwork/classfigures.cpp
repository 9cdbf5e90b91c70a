#include "classfigures.h"

#include "judging/slips.h"
#include "records/attemptsummary.h"

#include <QCoreApplication>

#include <algorithm>
#include <map>
#include <set>

namespace {

Outcome outcomeOf(const FieldOutcome& tries) {
    if (!tries.first)
        return Outcome::notChecked;
    if (tries.first->verdict == Verdict::correct)
        return Outcome::rightFirst;
    switch (*tries.last->verdict) {
    case Verdict::correct:
        return Outcome::rightLast;
    case Verdict::carriedForward:
        return Outcome::carriedForward;
    case Verdict::close:
        return Outcome::close;
    case Verdict::slip:
    case Verdict::notYet:
        break;
    }
    return Outcome::notYet;
}

} // namespace

ClassFigures classFigures(const QList<const HandedInRecord*>& counted) {
    ClassFigures figures;
    figures.students = int(counted.size());
    for (const AnswerField& field : answerFields())
        figures.fields.append({field.field, {}});
    std::map<int, std::set<const HandedInRecord*>> met;
    for (const HandedInRecord* record : counted) {
        for (const QuestionOutcome& question : record->summary.questions)
            for (const FieldOutcome& tries : question.fields)
                ++figures.fields[int(tries.field)].students[size_t(outcomeOf(tries))];
        for (int slip : record->slips)
            if (slip >= 0)
                met[slip].insert(record);
    }
    for (const auto& [slip, students] : met)
        figures.slips.append({slip, int(students.size())});
    std::stable_sort(
        figures.slips.begin(), figures.slips.end(),
        [](const SlipFigures& a, const SlipFigures& b) { return a.students > b.students; });
    return figures;
}

QString outcomeName(Outcome outcome) {
    //: An outcome in the key of the class's chart.
    static const char* const names[] = {
        QT_TRANSLATE_NOOP("ClassFigures", "Right at the first try"),
        QT_TRANSLATE_NOOP("ClassFigures", "Right at the last try"),
        QT_TRANSLATE_NOOP("ClassFigures", "Carried forward"),
        //: The verdict: near the answer, but not within its tolerance.
        QT_TRANSLATE_NOOP("ClassFigures", "Close"),
        QT_TRANSLATE_NOOP("ClassFigures", "Not yet"),
        QT_TRANSLATE_NOOP("ClassFigures", "Not checked"),
    };
    return QCoreApplication::translate("ClassFigures", names[int(outcome)]);
}

QString outcomeTally(Outcome outcome, int students) {
    //: How many students of the class came to an outcome in one part of the exercise, as a
    //: screen reader says a bar of the class's chart.
    static const char* const counts[] = {
        QT_TRANSLATE_N_NOOP("ClassFigures", "%n student(s) right at the first try"),
        QT_TRANSLATE_N_NOOP("ClassFigures", "%n student(s) right at the last try"),
        QT_TRANSLATE_N_NOOP("ClassFigures", "%n student(s) carried forward"),
        //: Close: near the answer, but not within its tolerance.
        QT_TRANSLATE_N_NOOP("ClassFigures", "%n student(s) close"),
        QT_TRANSLATE_N_NOOP("ClassFigures", "%n student(s) not yet right"),
        QT_TRANSLATE_N_NOOP("ClassFigures", "%n student(s) who did not check this answer"),
    };
    return QCoreApplication::translate("ClassFigures", counts[int(outcome)], nullptr, students);
}

QString slipMetLine(const SlipFigures& met) {
    const Slip& slip = slips()[size_t(met.slip)];
    //: %1 names the question; %n students met the slip; %2 is the slip's hint, a sentence of
    //: its own.
    return QCoreApplication::translate("ClassFigures", "%1: %n student(s). %2", nullptr,
                                       met.students)
        .arg(fieldName(answerField(slip.field)), slip.hintForClass());
}
