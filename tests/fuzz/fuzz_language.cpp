// The --language value, as given on the command line.
#include "fuzz.h"
#include "model/language.h"

#include <QLocale>
#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString asked = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    QString error;
    const std::optional<QLocale> language = Language::named(asked, &error);
    // The message quotes the value as given; the command line escapes the
    // whole message as it prints it, so no visibility check here.
    if (!language) {
        Fuzz::require(!error.isEmpty(), "a language not spoken names those that are");
        return 0;
    }
    bool spoken = false;
    for (const QString& name : Language::names())
        spoken = spoken || QLocale(name).language() == language->language();
    Fuzz::require(spoken, "a language read is one there is a catalogue of");
    return 0;
}
