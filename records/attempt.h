// One practice attempt as data: the subject, whose it is, how far the
// student has come and every check of a field. Its record is RecordJson's.
#pragma once

#include "judging/verdict.h"
#include "model/subjectcode.h"
#include "stages/answerfields.h"
#include "student.h"

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
    // one sentence, or nothing.
    std::optional<QString> fault() const;

    // The code and the start to the millisecond, in UTC, with nothing a
    // Windows file name may not hold: "M72-0.8-12.4 2026-12-08T174123.512Z.json".
    QString fileName() const;

    friend bool operator==(const Attempt&, const Attempt&) = default;
};
