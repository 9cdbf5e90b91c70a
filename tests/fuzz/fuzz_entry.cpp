// A number as a student types it into an answer field: read for every
// field, and judged as practice mode judges it.
#include "fuzz.h"
#include "judging/entry.h"
#include "judging/judge.h"
#include "model/scenario.h"
#include "stages/answerfields.h"

#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

// The subject to judge for, drawn from the input itself so that every
// subject can be met and the same input always meets the same one (FNV-1a).
SubjectCode subjectOf(const std::uint8_t* data, std::size_t size) {
    std::uint32_t hash = 2166136261u;
    for (std::size_t i = 0; i < size; ++i)
        hash = (hash ^ data[i]) * 16777619u;
    return *SubjectCode::fromIndex(int(hash % std::uint32_t(SubjectCode::count)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const Scenario scenario = makeScenario(subjectOf(data, size));
    const Judge judge(scenario);

    for (const AnswerField& field : answerFields()) {
        QString error;
        const std::optional<double> value = readEntry(text, field, &error);
        if (value) {
            Fuzz::require(std::isfinite(*value), "an entry reads to a finite number");
        } else {
            Fuzz::require(!error.isEmpty(), "a refused entry says why");
            Fuzz::requireVisible(QStringView(error), "readEntry's error");
        }

        const FieldCheck check = judge.judge(field, text, {});
        Fuzz::require(check.value.has_value() == value.has_value(),
                      "the judge reads what readEntry reads");
        Fuzz::require(!check.value || *check.value == *value,
                      "the judge reads the same value as readEntry");
        Fuzz::require(check.verdict.has_value() == value.has_value(),
                      "a verdict exactly for a readable entry");
        Fuzz::requireVisible(QStringView(check.message), "the judge's message");
    }
    return 0;
}
