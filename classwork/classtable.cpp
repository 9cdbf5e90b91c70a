#include "classtable.h"

#include "judging/slips.h"
#include "model/language.h"
#include "model/visibletext.h"
#include "records/attemptsummary.h"
#include "stages/exercise.h"

#include <set>

namespace {

using Record = HandedInRecord;

QString yesOrNo(bool yes) {
    return yes ? QStringLiteral("yes") : QStringLiteral("no");
}

QString shownYesOrNo(bool yes) {
    //: A cell of the class's table: whether the attempt was finished, edited or counted.
    return yes ? ClassTable::tr("yes") : ClassTable::tr("no");
}

const QString notChecked = QStringLiteral("not checked");

// The English words of each field of a question, "Correct / Not yet /
// Correct"; "not checked" once for a question of which no field was.
QString words(const QuestionOutcome& outcome, std::optional<CheckEntry> FieldOutcome::*which) {
    if (!outcome.checked)
        return notChecked;
    QStringList words;
    for (const FieldOutcome& field : outcome.fields) {
        const std::optional<CheckEntry>& check = field.*which;
        words.append(check ? verdictTableWords(*check->verdict) : notChecked);
    }
    return words.join(QStringLiteral(" / "));
}

// A local time with its offset from UTC, as a spreadsheet and a gradebook
// read it whatever the time zone: "2026-12-09T15:56:01+01:00".
QString isoLocalTime(const QDateTime& utc) {
    const QDateTime local = utc.toLocalTime();
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate);
}

// For the student, in the gradebook: how many questions were right at the
// first try, and where a known slip was met.
QString feedback(const Record& r) {
    QString text =
        ClassTable::tr("%n of %1 questions right at the first try.", nullptr, r.summary.score)
            .arg(r.summary.questionCount);
    std::set<int> questions;
    for (const int slip : r.slips)
        if (slip >= 0)
            questions.insert(answerField(slips()[size_t(slip)].field).question);
    if (!questions.empty()) {
        QStringList numbers;
        for (const int question : questions)
            numbers.append(QString::number(question));
        //: %n questions, listed in %1: "2 and 5".
        text += u' ' + ClassTable::tr("Known slips met in %n question(s): %1.", nullptr,
                                      int(questions.size()))
                           .arg(Language::current().createSeparatedList(numbers));
    }
    return text;
}

QString scoreOutOf(const Record& r) {
    return QStringLiteral("%1 of %2").arg(r.summary.score).arg(r.summary.questionCount);
}

std::vector<ClassTable::Column> makeColumns() {
    using enum ClassTable::Use;
    std::vector<ClassTable::Column> columns = {
        {QStringLiteral("Name"),
         //: The student's name.
         QT_TRANSLATE_NOOP("ClassTable", "Name"), Csv | Screen | Report | Gradebook,
         [](const Record& r) { return r.attempt.student.name; },
         [](const Record& r) {
             return r.attempt.student.isNamed()
                        ? VisibleText::escaped(r.attempt.student.name)
                        //: The name column of an attempt whose record names nobody.
                        : ClassTable::tr("nobody named");
         },
         [](const Record& r) { return QVariant(r.attempt.student.name.toCaseFolded()); },
         [](const Record& r) {
             return VisibleText::escaped(r.file);
         }},
        {QStringLiteral("ID number"),
         //: Moodle's word for the number a school knows a student by.
         QT_TRANSLATE_NOOP("ClassTable", "ID number"),
         Csv | Screen | Report | Gradebook,
         [](const Record& r) { return r.attempt.student.id; },
         [](const Record& r) { return VisibleText::escaped(r.attempt.student.id); },
         [](const Record& r) { return QVariant(r.attempt.student.id); },
         {}},
        {QStringLiteral("Code"),
         //: The subject's code, such as M72-0.8-12.4.
         QT_TRANSLATE_NOOP("ClassTable", "Code"),
         Csv | Screen | Report,
         [](const Record& r) { return r.attempt.code.text(); },
         [](const Record& r) { return r.attempt.code.text(); },
         [](const Record& r) { return QVariant(r.attempt.code.index()); },
         {}},
        {QStringLiteral("Started"),
         //: When the student started the attempt: a date and time.
         QT_TRANSLATE_NOOP("ClassTable", "Started"),
         Csv | Screen,
         [](const Record& r) { return isoLocalTime(r.attempt.started); },
         [](const Record& r) {
             return Language::dates().toString(r.attempt.started.toLocalTime(),
                                               QLocale::ShortFormat);
         },
         [](const Record& r) { return QVariant(r.attempt.started); },
         {}},
    };
    for (const Question& question : Exercise::questions()) {
        const size_t q = size_t(question.number - 1);
        for (const auto& side :
             {std::pair(&FieldOutcome::first, QStringLiteral("Question %1 first")),
              std::pair(&FieldOutcome::last, QStringLiteral("Question %1 last"))}) {
            const auto which = side.first;
            columns.push_back({side.second.arg(question.number),
                               nullptr,
                               Csv,
                               [q, which](const Record& r) {
                                   return words(r.summary.questions[qsizetype(q)], which);
                               },
                               {},
                               {},
                               {}});
        }
    }
    const std::vector<ClassTable::Column> rest = {
        {QStringLiteral("Score"),
         nullptr,
         Csv | Gradebook,
         [](const Record& r) { return QString::number(r.summary.score); },
         {},
         {},
         {}},
        {QStringLiteral("Right at the first try"),
         //: Questions right at the first try, "4 of 6".
         QT_TRANSLATE_NOOP("ClassTable", "Score"),
         Csv | Screen | Report,
         scoreOutOf,
         [](const Record& r) {
             //: %1 questions right at the first try of %2.
             return ClassTable::tr("%1 of %2")
                 .arg(QString::number(r.summary.score), QString::number(r.summary.questionCount));
         },
         [](const Record& r) { return QVariant(r.summary.score); },
         {}},
        {QStringLiteral("Finished"),
         //: Whether the student finished the attempt: yes or no.
         QT_TRANSLATE_NOOP("ClassTable", "Finished"),
         Csv | Screen | Report,
         [](const Record& r) { return yesOrNo(r.attempt.finished()); },
         [](const Record& r) { return shownYesOrNo(r.attempt.finished()); },
         [](const Record& r) { return QVariant(r.attempt.finished()); },
         {}},
        {QStringLiteral("Edited"),
         //: Whether the record was changed by hand: yes or no.
         QT_TRANSLATE_NOOP("ClassTable", "Edited"), Csv | Screen | Report,
         [](const Record& r) { return yesOrNo(r.edited.has_value()); },
         [](const Record& r) { return shownYesOrNo(r.edited.has_value()); },
         [](const Record& r) { return QVariant(r.edited.has_value()); },
         [](const Record& r) {
             return r.edited.value_or(QString());
         }},
        {QStringLiteral("Counted"),
         //: Whether this attempt is the one that counts for its student: yes or no.
         QT_TRANSLATE_NOOP("ClassTable", "Counted"),
         Csv | Screen | Report,
         [](const Record& r) { return yesOrNo(r.counted); },
         [](const Record& r) { return shownYesOrNo(r.counted); },
         [](const Record& r) { return QVariant(r.counted); },
         {}},
    };
    columns.insert(columns.end(), rest.begin(), rest.end());
    // In the run's language: it is for the student to read in the gradebook.
    columns.push_back({QStringLiteral("Feedback"), nullptr, Gradebook, feedback, {}, {}, {}});
    return columns;
}

} // namespace

QString ClassTable::Column::headingText() const {
    return heading ? QCoreApplication::translate("ClassTable", heading) : csvHeader;
}

const std::vector<ClassTable::Column>& ClassTable::columns() {
    static const std::vector<Column> table = makeColumns();
    return table;
}

std::vector<const ClassTable::Column*> ClassTable::columnsFor(Use use) {
    std::vector<const Column*> chosen;
    for (const Column& column : columns())
        if (column.uses & use)
            chosen.push_back(&column);
    return chosen;
}
