#include "printtemplate.h"

#include <QCoreApplication>

Sentence::Place Print::Place::resolve(const Scenario& scenario) const {
    switch (kind) {
    case Kind::Single:
        return Sentence::Place::number(scenario.*single);
    case Kind::Double:
        return Sentence::Place::number(scenario.*dbl);
    case Kind::Constant:
        break;
    }
    return Sentence::Place::text(PrintItem::decimal(constant));
}

QList<PrintLine> Print::resolve(const Line& line, const Scenario& scenario) {
    if (line.isEmpty())
        return {PrintLine()};
    const char* source = line.source(scenario.sex);
    const QString sentence = QCoreApplication::translate(context, source);
    std::vector<Sentence::Place> places;
    places.reserve(line.places.size());
    for (const Place& place : line.places)
        places.push_back(place.resolve(scenario));
    Sentence::Layout layout{
        line.label ? QString::fromLatin1(line.label) : QString(), line.column, {}};
    // The program this one follows printed the subject's words as items of
    // their own, each drawn as a run of its own: the English lines keep them
    // so, to the pixel.
    if (!line.text && sentence == QString::fromUtf8(source))
        layout.ownWords = {scenario.person, scenario.subjectcap, scenario.subject,
                           scenario.possessive};
    return Sentence::lines(sentence, places, layout);
}

QList<PrintLine> Print::resolve(const Block& block, const Scenario& scenario) {
    QList<PrintLine> lines;
    lines.reserve(qsizetype(block.size()));
    for (const Line& line : block)
        lines += resolve(line, scenario);
    return lines;
}
