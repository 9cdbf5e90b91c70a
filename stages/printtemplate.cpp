#include "printtemplate.h"

PrintItem Print::Item::resolve(const Scenario& scenario) const {
    switch (kind) {
    case Kind::Text:
        return PrintItem::fromText(QString::fromLatin1(text));
    case Kind::Tab:
        return PrintItem::tab(column);
    case Kind::Word:
        return PrintItem::fromText(scenario.*word);
    case Kind::Single:
        return PrintItem::fromNumber(scenario.*single);
    case Kind::Double:
        return PrintItem::fromNumber(scenario.*dbl);
    case Kind::Constant:
        return PrintItem::fromText(PrintItem::decimal(constant));
    }
    Q_UNREACHABLE();
}

PrintLine Print::resolve(const Line& line, const Scenario& scenario) {
    PrintLine items;
    items.reserve(qsizetype(line.size()));
    bool joins = false;
    for (const Item& item : line) {
        // A constant and the texts around it are one text item, laid out
        // and drawn as one run, as the one literal they stand for would be.
        const bool textual = item.kind == Item::Kind::Text || item.kind == Item::Kind::Constant;
        if (textual && joins)
            items.last().text += item.resolve(scenario).text;
        else
            items.append(item.resolve(scenario));
        joins = textual;
    }
    return items;
}

QList<PrintLine> Print::resolve(const Block& block, const Scenario& scenario) {
    QList<PrintLine> lines;
    lines.reserve(qsizetype(block.size()));
    for (const Line& line : block)
        lines.append(resolve(line, scenario));
    return lines;
}
