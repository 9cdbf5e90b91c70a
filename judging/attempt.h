// One practice attempt as data: the subject, how far the student has come
// and every check of a field, written as one JSON document and read back
// with every member checked, so that a damaged or foreign file is refused
// with its reason rather than half believed.
#pragma once

#include "model/subjectcode.h"
#include "stages/answerfields.h"
#include "student.h"
#include "verdict.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// One field as it was checked. A readable entry has both a value and a
// verdict, an unreadable one neither.
struct CheckEntry {
    QDateTime time; // UTC, to the millisecond
    int question = 1;
    Field field = Field::totalLactate;
    QString entry;                  // as typed
    std::optional<double> value;    // as read, in the field's unit
    std::optional<Verdict> verdict; // as judged

    friend bool operator==(const CheckEntry&, const CheckEntry&) = default;
};

class Attempt {
    Q_DECLARE_TR_FUNCTIONS(Attempt)

public:
    // The index of the stage at the end (Stage), 12 for six questions.
    static int finalStage();
    // Far more than a student types in a sitting; a longer list is not a record.
    static constexpr int mostChecks = 20'000;
    // A record of mostChecks checks takes under 8 MB.
    static constexpr qint64 largestFile = 8'000'000;

    // Started now, or at `started`, with nothing checked.
    explicit Attempt(const SubjectCode& code,
                     const QDateTime& started = QDateTime::currentDateTimeUtc());

    SubjectCode code;
    Student student;            // nobody named in a record of the first version
    QDateTime started, updated; // UTC
    // A Stage's index: 2k is question k + 1 posed, 2k + 1 its answer shown,
    // finalStage() the exercise finished.
    int stage = 0;
    QList<CheckEntry> checks; // in the order they were made

    bool finished() const { return stage == finalStage(); }

    // What would keep the record of this attempt from being read back, in
    // one sentence, or nothing; toJson() writes it all the same.
    std::optional<QString> fault() const;

    QByteArray toJson() const;
    // Nothing when `data` is not a whole, valid record; then *error says why
    // in one sentence.
    static std::optional<Attempt> fromJson(const QByteArray& data, QString* error = nullptr);
    // Why a file of `bytes` is not read, or nothing when its size is fine.
    static std::optional<QString> tooLarge(qint64 bytes);

    // The code and the start to the millisecond, in UTC, with nothing a
    // Windows file name may not hold: "M72-0.8-12.4 2026-12-08T174123.512Z.json".
    QString fileName() const;

    friend bool operator==(const Attempt&, const Attempt&) = default;
};
