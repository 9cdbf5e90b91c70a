#include "collation.h"

#include "model/savegroup.h"
#include "model/visibletext.h"
#include "records/attemptsummary.h"
#include "stages/exercise.h"

#include <QSaveFile>

namespace {

const QString notChecked = QStringLiteral("not checked");

QString yesOrNo(bool yes) {
    return yes ? QStringLiteral("yes") : QStringLiteral("no");
}

// The words of each field of a question, "Correct / Not yet / Correct";
// "not checked" once for a question of which no field was.
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

// OWASP's advice against formulas in CSV: what starts like one starts with
// an apostrophe instead. A tab or a CR at the start is written out already.
QString asText(const QString& field) {
    static const QString formulaStart = QStringLiteral("=+-@");
    return !field.isEmpty() && formulaStart.contains(field[0]) ? u'\'' + field : field;
}

} // namespace

QByteArray csvLine(const QStringList& fields) {
    QByteArray line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ',';
        QByteArray text = asText(VisibleText::escaped(fields[i])).toUtf8();
        if (text.contains(',') || text.contains('"'))
            text = '"' + text.replace('"', "\"\"") + '"';
        line += text;
    }
    return line + "\r\n";
}

QByteArray collateCsv(const QList<HandedInRecord>& records) {
    QStringList header = {QStringLiteral("Name"), QStringLiteral("ID number"),
                          QStringLiteral("Code"), QStringLiteral("Started")};
    for (const Question& question : Exercise::questions())
        header << QStringLiteral("Question %1 first").arg(question.number)
               << QStringLiteral("Question %1 last").arg(question.number);
    header << QStringLiteral("Score") << QStringLiteral("Right at the first try")
           << QStringLiteral("Finished") << QStringLiteral("Edited") << QStringLiteral("Counted");

    QByteArray csv = csvLine(header);
    for (const HandedInRecord& record : records) {
        const Attempt& attempt = record.attempt;
        const AttemptSummary summary = summarize(attempt);
        QStringList line = {
            attempt.student.name, attempt.student.id, attempt.code.text(),
            attempt.started.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))};
        for (const QuestionOutcome& outcome : summary.questions)
            line << words(outcome, &FieldOutcome::first) << words(outcome, &FieldOutcome::last);
        line << QString::number(summary.score)
             << QStringLiteral("%1 of %2").arg(summary.score).arg(summary.questionCount)
             << yesOrNo(attempt.finished()) << yesOrNo(record.edited.has_value())
             << yesOrNo(record.counted);
        csv += csvLine(line);
    }
    return csv;
}

bool writeCsv(const QList<HandedInRecord>& records, const QString& fileName, QString* error) {
    const QByteArray table = collateCsv(records);
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly) && file.write(table) == table.size() && file.commit())
        return true;
    if (error)
        *error = SaveGroup::cannotWrite(fileName, file.errorString());
    return false;
}
