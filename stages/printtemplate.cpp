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
    }
    Q_UNREACHABLE();
}

PrintLine Print::resolve(const Line& line, const Scenario& scenario) {
    PrintLine items;
    items.reserve(qsizetype(line.size()));
    for (const Item& item : line)
        items.append(item.resolve(scenario));
    return items;
}

QList<PrintLine> Print::resolve(const Block& block, const Scenario& scenario) {
    QList<PrintLine> lines;
    lines.reserve(qsizetype(block.size()));
    for (const Line& line : block)
        lines.append(resolve(line, scenario));
    return lines;
}
