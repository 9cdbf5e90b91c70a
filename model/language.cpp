#include "language.h"

#include "model/buildinfo.h"
#include "model/visibletext.h"

#include <QTranslator>

#include <memory>
#include <vector>

namespace {

// The catalogue of each language there is, by its file name, and the
// locale it stands for; English is the source.
struct Known {
    const char* name;
    QLocale::Language language;
    QLocale::Territory territory;
};

constexpr Known known[] = {
    {"en", QLocale::English, QLocale::UnitedStates}, {"de", QLocale::German, QLocale::Germany},
    {"fr", QLocale::French, QLocale::France},        {"es", QLocale::Spanish, QLocale::Spain},
    {"pt_BR", QLocale::Portuguese, QLocale::Brazil},
};

QLocale localeOf(const Known& k) {
    return QLocale(k.language, k.territory);
}

const Known* knownOf(QLocale::Language language) {
    for (const Known& k : known)
        if (k.language == language)
            return &k;
    return nullptr;
}

struct Spoken {
    QLocale language = localeOf(known[0]);
    QLocale numbers = localeOf(known[0]);
    // Installed into the application, and kept loaded for the next one of
    // the run: the command line is read by an application of its own.
    std::vector<std::unique_ptr<QTranslator>> catalogues;
    const Known* loaded = nullptr;
    QTranslator* test = nullptr;
};

Spoken& spoken() {
    static Spoken state;
    return state;
}

void uninstall() {
    for (const auto& catalogue : spoken().catalogues)
        QCoreApplication::removeTranslator(catalogue.get());
    if (spoken().test)
        QCoreApplication::removeTranslator(spoken().test);
    spoken().test = nullptr;
}

} // namespace

QStringList Language::names() {
    QStringList names;
    for (const Known& k : known)
        names.append(QString::fromLatin1(k.name));
    return names;
}

std::optional<QLocale> Language::named(const QString& asked, QString* error) {
    const QString name = QString(asked).replace(u'-', u'_').trimmed();
    const QLocale locale(name);
    // QLocale reads anything it does not know as the C locale.
    const bool recognised =
        !name.isEmpty() && locale.language() != QLocale::C &&
        locale.name().section(u'_', 0, 0).compare(name.section(u'_', 0, 0), Qt::CaseInsensitive) ==
            0;
    if (recognised)
        if (const Known* k = knownOf(locale.language()))
            return localeOf(*k);
    if (error)
        //: %1 is the program's name, %2 the language asked for, %3 the languages there are.
        *error = tr("%1 speaks no \"%2\"; the languages there are: %3.")
                     .arg(QString::fromLatin1(BuildInfo::name),
                          VisibleText::escaped(QStringView(asked).left(20)),
                          names().join(QStringLiteral(", ")));
    return std::nullopt;
}

QLocale Language::ofDesktop(const QStringList& uiLanguages) {
    for (const QString& wanted : uiLanguages) {
        const QLocale locale(QString(wanted).replace(u'-', u'_'));
        if (locale.language() == QLocale::C)
            continue;
        if (const Known* k = knownOf(locale.language()))
            return localeOf(*k);
    }
    return localeOf(known[0]);
}

void Language::speak(const QLocale& language) {
    uninstall();
    const Known* k = knownOf(language.language());
    if (!k)
        k = &known[0];
    if (spoken().loaded != k) {
        spoken().catalogues.clear();
        const QString name = QString::fromLatin1(k->name);
        for (const QString& file : {QStringLiteral(":/i18n/korvanel_%1.qm").arg(name),
                                    QStringLiteral(":/i18n/qtbase_%1.qm").arg(name)}) {
            auto catalogue = std::make_unique<QTranslator>();
            if (catalogue->load(file))
                spoken().catalogues.push_back(std::move(catalogue));
        }
        spoken().loaded = k;
    }
    for (const auto& catalogue : spoken().catalogues)
        QCoreApplication::installTranslator(catalogue.get());
    spoken().language = spoken().numbers = localeOf(*k);
    // What Qt's widgets and the accessibility bridge take for the
    // application's locale: a screen reader picks its voice by it.
    QLocale::setDefault(dates());
}

void Language::speak(QTranslator* catalogue, const QLocale& numbers) {
    uninstall();
    QCoreApplication::installTranslator(catalogue);
    spoken().test = catalogue;
    spoken().language = spoken().numbers = numbers;
}

QLocale Language::current() {
    return spoken().language;
}

bool Language::isEnglish() {
    return spoken().language.language() == QLocale::English;
}

QChar Language::decimalPoint() {
    const QString point = spoken().numbers.decimalPoint();
    return point.isEmpty() ? u'.' : point.front();
}

QLocale Language::dates() {
    const QLocale desktop = QLocale::system();
    return isEnglish() || desktop.language() == current().language() ? desktop : current();
}
