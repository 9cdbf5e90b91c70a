// A subject code as typed on the command line or in the subject dialog,
// read from the bytes as UTF-8 and again as UTF-16, since the dialog's text
// reaches parse() without passing through UTF-8.
#include "fuzz.h"
#include "model/subjectcode.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

void parseOne(QStringView text) {
    QString error;
    const std::optional<SubjectCode> code = SubjectCode::parse(text, &error);
    if (!code) {
        Fuzz::require(!error.isEmpty(), "a refused code says why");
        Fuzz::requireVisible(QStringView(error), "SubjectCode::parse's error");
        return;
    }
    Fuzz::require(code->index() >= 0 && code->index() < SubjectCode::count, "index in range");
    Fuzz::require(SubjectCode::fromIndex(code->index()) == code, "the index names the code");
    const QString written = code->text();
    Fuzz::require(SubjectCode::parse(written) == code, "text() reads back to the same code");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    parseOne(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)));

    // Copied, for char16_t's alignment; lone surrogates and all.
    std::vector<char16_t> units(size / 2);
    if (!units.empty())
        std::memcpy(units.data(), data, units.size() * sizeof(char16_t));
    parseOne(QStringView(units.data(), qsizetype(units.size())));
    return 0;
}
