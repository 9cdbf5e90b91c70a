#include "sentence.h"

namespace {

bool isWordCharacter(QChar c) {
    return c.isLetterOrNumber() || c == u'\'';
}

// Appends `text` to the line, each whole-word occurrence of one of `own`
// as an item of its own.
void appendText(PrintLine& line, QStringView text, const QStringList& own, bool& joins) {
    qsizetype from = 0;
    while (from < text.size()) {
        qsizetype at = -1;
        qsizetype length = 0;
        for (const QString& word : own) {
            for (qsizetype i = text.indexOf(word, from); i >= 0; i = text.indexOf(word, i + 1)) {
                const qsizetype end = i + word.size();
                const bool whole = (i == 0 || !isWordCharacter(text[i - 1])) &&
                                   (end == text.size() || !isWordCharacter(text[end]));
                if (whole) {
                    if (at < 0 || i < at)
                        at = i, length = word.size();
                    break;
                }
            }
        }
        const QStringView before = text.sliced(from, (at < 0 ? text.size() : at) - from);
        if (!before.isEmpty()) {
            if (joins)
                line.last().text += before;
            else
                line.append(PrintItem::fromText(before.toString()));
            joins = true;
        }
        if (at < 0)
            return;
        line.append(PrintItem::fromText(text.sliced(at, length).toString()));
        joins = false;
        from = at + length;
    }
}

} // namespace

QList<PrintLine> Sentence::lines(const QString& sentence, std::span<const Place> places,
                                 const Layout& layout) {
    QList<PrintLine> lines;
    const auto startLine = [&] {
        PrintLine line;
        if (lines.isEmpty() && !layout.label.isEmpty())
            line.append(PrintItem::fromText(layout.label));
        if (layout.column > 0)
            line.append(PrintItem::tab(layout.column));
        lines.append(line);
    };
    startLine();
    bool joins = false;
    qsizetype from = 0;
    for (qsizetype i = 0; i <= sentence.size(); ++i) {
        const bool end = i == sentence.size();
        const bool newline = !end && sentence[i] == u'\n';
        qsizetype digits = 0;
        if (!end && sentence[i] == u'%')
            while (digits < 2 && i + 1 + digits < sentence.size() &&
                   sentence[i + 1 + digits].isDigit() && sentence[i + 1 + digits].unicode() < 128)
                ++digits;
        const int number = digits ? sentence.mid(i + 1, digits).toInt() : 0;
        if (!end && !newline && (number < 1 || number > int(places.size())))
            continue;
        appendText(lines.last(), QStringView(sentence).sliced(from, i - from), layout.ownWords,
                   joins);
        if (end)
            break;
        if (newline) {
            startLine();
            joins = false;
            from = i + 1;
            continue;
        }
        const Place& place = places[size_t(number - 1)];
        if (place.ownItem) {
            lines.last().append(place.item);
            joins = false;
        } else {
            appendText(lines.last(), place.item.text, {}, joins);
        }
        from = i + 1 + digits;
        i += digits;
    }
    return lines;
}

PrintLine Sentence::line(const QString& sentence, std::span<const Place> places,
                         const Layout& layout) {
    PrintLine joined;
    const QList<PrintLine> all = lines(sentence, places, layout);
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (i > 0)
            joined.append(PrintItem::fromText(QStringLiteral(" ")));
        for (const PrintItem& item : all[i])
            if (i == 0 || item.kind != PrintItem::Kind::Tab)
                joined.append(item);
    }
    return joined;
}
