// Practice records for tests, as the program writes them: an attempt with
// the entries given, each check judged, and a file to hold it.
#pragma once

#include "records/replay.h"

#include <QFile>

namespace Records {

// `code`'s attempt by `student`, started at `started` (UTC, ISO) and
// updated ten minutes later, at `stage`, its checks the entries given in
// turn a minute in, each as the judge gives it.
inline Attempt judged(const char* code, const Student& student, const char* started, int stage,
                      const QList<std::pair<Field, const char*>>& entries) {
    Attempt attempt(*SubjectCode::parse(QString::fromLatin1(code)),
                    QDateTime::fromString(QString::fromLatin1(started), Qt::ISODateWithMs));
    attempt.student = student;
    attempt.stage = stage;
    attempt.updated = attempt.started.addSecs(600);
    for (const auto& [field, entry] : entries)
        attempt.checks.append({attempt.started.addSecs(60),
                               answerField(field).question,
                               field,
                               QString::fromLatin1(entry),
                               {},
                               {}});
    return replay(attempt).attempt;
}

inline bool put(const QString& fileName, const QByteArray& data) {
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

} // namespace Records
