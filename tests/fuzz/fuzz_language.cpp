// The --language value, as given on the command line.
#include "fuzz.h"
#include "model/language.h"
#include "model/visibletext.h"

#include <QLocale>
#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString asked = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    QString error;
    const std::optional<QLocale> language = Language::named(asked, &error);
    if (!language) {
        Fuzz::require(!error.isEmpty(), "a language not spoken names those that are");
        Fuzz::require(!VisibleText::hasControl(error), "the language asked for is quoted safe");
        return 0;
    }
    bool spoken = false;
    for (const QString& name : Language::names())
        spoken = spoken || QLocale(name).language() == language->language();
    Fuzz::require(spoken, "a language read is one there is a catalogue of");
    return 0;
}
