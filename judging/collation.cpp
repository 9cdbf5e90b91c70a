#include "collation.h"

#include "attemptsummary.h"
#include "stages/exercise.h"

namespace {

// The words of each field of a question, "Correct / Not yet / Correct";
// "not checked" once for a question of which no field was.
QString words(const QuestionOutcome& outcome, std::optional<CheckEntry> FieldOutcome::*which) {
    if (!outcome.checked)
        return QStringLiteral("not checked");
    QStringList words;
    for (const FieldOutcome& field : outcome.fields) {
        const std::optional<CheckEntry>& check = field.*which;
        words.append(check ? verdictWords(*check->verdict) : QStringLiteral("not checked"));
    }
    return words.join(QStringLiteral(" / "));
}

} // namespace

QByteArray csvLine(const QStringList& fields) {
    QByteArray line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ',';
        QByteArray text = fields[i].toUtf8();
        if (text.contains(',') || text.contains('"') || text.contains('\r') || text.contains('\n'))
            text = '"' + text.replace('"', "\"\"") + '"';
        line += text;
    }
    return line + "\r\n";
}

QByteArray collateCsv(const QList<Attempt>& attempts) {
    QStringList header = {QStringLiteral("Code"), QStringLiteral("Started")};
    for (const Question& question : Exercise::questions())
        header << QStringLiteral("Question %1 first").arg(question.number)
               << QStringLiteral("Question %1 last").arg(question.number);
    header << QStringLiteral("Score") << QStringLiteral("Finished");

    QByteArray csv = csvLine(header);
    for (const Attempt& attempt : attempts) {
        const AttemptSummary summary = summarize(attempt);
        QStringList line = {attempt.code.text(), attempt.started.toLocalTime().toString(
                                                     QStringLiteral("yyyy-MM-dd HH:mm"))};
        for (const QuestionOutcome& outcome : summary.questions)
            line << words(outcome, &FieldOutcome::first) << words(outcome, &FieldOutcome::last);
        line << QStringLiteral("%1 of %2").arg(summary.score).arg(summary.questionCount)
             << (attempt.finished() ? QStringLiteral("yes") : QStringLiteral("no"));
        csv += csvLine(line);
    }
    return csv;
}
