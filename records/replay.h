// What a record's entries earn. A record is the student's own file and is
// not signed, so no verdict written in it is believed: whatever reads one
// (continuing, the result slip, the class's table and report) replays its
// checks through the judge, in order, from the subject's code and each
// entry as typed, errors carried forward included, and shows what the
// replay gives. A record whose verdicts differ from the replay's, or whose
// checks could not have been made as it says, is marked edited.
#pragma once

#include "attempt.h"
#include "judging/judge.h"

#include <QList>

#include <optional>

// The latest entry read for each field among `checks`.
LatestEntries latestEntries(const QList<CheckEntry>& checks);

struct Replay {
    Attempt attempt;  // each check's value and verdict as the judge gives them
    QList<int> slips; // for each check, the known slip its entry met, or -1
    // Why the record is taken for edited, naming the first check at fault,
    // in one sentence; nothing for a record as the program writes one.
    std::optional<QString> edited;
    // For each check, why it is at fault, or empty.
    QStringList faults;
};

Replay replay(const Attempt& recorded);
