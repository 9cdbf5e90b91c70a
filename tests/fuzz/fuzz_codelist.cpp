// A teacher's list of subject codes, as pasted into the class set page.
#include "fuzz.h"
#include "model/subjectcode.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    QString error;
    const std::optional<QList<SubjectCode>> codes = SubjectCode::parseList(text, &error);
    if (!codes) {
        Fuzz::require(!error.isEmpty(), "a refused list says why");
        Fuzz::requireVisible(QStringView(error), "SubjectCode::parseList's error");
        return 0;
    }
    // The list as the program would write it out reads back the same.
    QStringList written;
    for (const SubjectCode& code : *codes)
        written += code.text();
    Fuzz::require(SubjectCode::parseList(written.join(u'\n')) == codes,
                  "the codes written one a line read back to the same list");
    return 0;
}
