#include "printtemplate.h"

#include <QCoreApplication>

namespace {

// The words the English lines use for the subject, as the program this one
// follows printed them: each drawn as a run of its own.
QStringList englishWords(int sex) {
    if (sex == 0)
        return {QStringLiteral("man"), QStringLiteral("He"), QStringLiteral("he"),
                QStringLiteral("his")};
    return {QStringLiteral("woman"), QStringLiteral("She"), QStringLiteral("she"),
            QStringLiteral("her")};
}

} // namespace

QList<PrintLine> Print::resolve(const Line& line, const Scenario& scenario) {
    if (line.isEmpty())
        return {PrintLine()};
    const char* source = line.source(scenario.sex);
    const QString sentence = QCoreApplication::translate(context, source);
    std::vector<Sentence::Place> places;
    places.reserve(line.places.size());
    for (const ScenarioNumber& place : line.places)
        places.push_back(place.place(scenario));
    Sentence::Layout layout{
        line.label ? QString::fromLatin1(line.label) : QString(), line.column, {}};
    // The English lines keep the subject's words as items of their own, to the pixel.
    if (!line.text && sentence == QString::fromUtf8(source))
        layout.ownWords = englishWords(scenario.sex);
    return Sentence::lines(sentence, places, layout);
}

QList<PrintLine> Print::resolve(const Block& block, const Scenario& scenario) {
    QList<PrintLine> lines;
    lines.reserve(qsizetype(block.size()));
    for (const Line& line : block)
        lines += resolve(line, scenario);
    return lines;
}
