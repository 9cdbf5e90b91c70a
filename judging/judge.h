// Practice mode's judge: what an entry typed for a field earns, against the
// worked answer, the known slips and the student's own earlier answers. A
// verdict is a function of the subject and the entries checked before it,
// so that whatever reads a record can replay its checks and find the same.
#pragma once

#include "stages/answerfields.h"
#include "verdict.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>

#include <array>
#include <optional>

struct FieldCheck {
    Field field;
    std::optional<Verdict> verdict; // nothing when the field was empty or unreadable
    QString message;                // empty when the field was empty
    std::optional<double> value;    // as read, in the field's unit
    int slip = -1;                  // the known slip met, its place in slips()
};

// The latest entry judged for each field, read in the field's unit: what
// later questions carry forward.
using LatestEntries = std::array<std::optional<double>, fieldCount>;

// An entry is right within 2 % (question 2's counts exactly); failing that, a
// known slip within 1 % gets its hint, then an entry that follows within 2 %
// from a wrong earlier one is carried forward, then within 5 % is close.
class Judge {
    Q_DECLARE_TR_FUNCTIONS(Judge)

public:
    static constexpr double rightWithin = 0.02;
    static constexpr double slipWithin = 0.01;
    static constexpr double closeWithin = 0.05;

    // Judges for `scenario`, which must outlive the judge.
    explicit Judge(const Scenario& scenario);

    // One entry as typed; an empty one has no verdict and no message.
    FieldCheck judge(const AnswerField& field, const QString& entry,
                     const LatestEntries& earlier) const;
    // Each field of `question`; `entries` are the texts of
    // questionFields(question), in that order, a missing text counting as
    // empty. With every field empty, the first check asks for an answer.
    QList<FieldCheck> check(int question, const QStringList& entries,
                            const LatestEntries& earlier) const;

private:
    std::pair<Verdict, QString> judge(const AnswerField& field, double entry,
                                      const LatestEntries& earlier, int* slip) const;
    std::optional<QString> carriedFrom(const AnswerField& field, double entry,
                                       const LatestEntries& earlier) const;
    bool isRight(const AnswerField& field, double entry) const;

    const Scenario& m_scenario;
};
