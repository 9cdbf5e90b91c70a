// A practice record as handed in: read it, and what reads must write back
// to the same attempt, replay and sum up as the class's table does.
#include "fuzz.h"
#include "records/attemptsummary.h"
#include "records/recordjson.h"
#include "records/replay.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Raw: read() must not keep a pointer into libFuzzer's buffer.
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QString error;
    const std::optional<Attempt> attempt = RecordJson::read(bytes, &error);
    if (!attempt) {
        Fuzz::require(!error.isEmpty(), "a refused record says why");
        Fuzz::requireVisible(QStringView(error), "RecordJson::read's error");
        return 0;
    }

    const QByteArray again = RecordJson::write(*attempt);
    QString againError;
    const std::optional<Attempt> reread = RecordJson::read(again, &againError);
    Fuzz::require(reread.has_value(), "a record read writes back to one that reads");
    Fuzz::require(*reread == *attempt, "a record read writes back to the same attempt");

    const Replay replayed = replay(*attempt);
    Fuzz::require(replayed.slips.size() == attempt->checks.size(), "a slip for each check");
    Fuzz::requireVisible(replayed.edited, "replay's reason for edited");
    for (const QString& fault : replayed.faults)
        Fuzz::requireVisible(QStringView(fault), "replay's fault");
    const AttemptSummary summary = summarize(replayed.attempt);
    summaryLines(summary, replayed.attempt.student);
    return 0;
}
