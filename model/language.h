// The language a run speaks. English is the source of every text; German,
// French, Spanish and Brazilian Portuguese come as catalogues compiled in,
// each with Qt's own catalogue for Qt's texts (message-box buttons, file
// and print dialogs). Numbers follow the run's language: 14,4 in all four.
// Chosen once, at start-up, before any text is made.
#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

class QTranslator;

class Language {
    Q_DECLARE_TR_FUNCTIONS(Language)

public:
    // The languages there are, by the names their catalogues carry:
    // "en", "de", "fr", "es", "pt_BR".
    static QStringList names();

    // The language of `asked` ("de", "pt", "pt_BR", "pt-br"...), or nothing,
    // with *error naming the languages there are.
    static std::optional<QLocale> named(const QString& asked, QString* error);
    // The first of the desktop's languages (QLocale::uiLanguages(), most
    // wanted first) that Korvanel speaks; English when it speaks none.
    static QLocale ofDesktop(const QStringList& uiLanguages);

    // Speaks `language` from now on: its catalogues installed into the
    // application, which must exist (English takes the plural forms of its
    // own sentences alone). Again for each application of a run.
    static void speak(const QLocale& language);
    // For tests: a catalogue of their own, with the numbers of `numbers`.
    static void speak(QTranslator* catalogue, const QLocale& numbers);

    // The language spoken: English unless another was chosen.
    static QLocale current();
    static bool isEnglish();
    // The decimal separator of its numbers.
    static QChar decimalPoint();
    // How its dates and times are written: as the desktop writes them where
    // it speaks this language (and always in English, as Korvanel always
    // has), else as the language does.
    static QLocale dates();
};
