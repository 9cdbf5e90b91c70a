// A whole sentence, as a translator sees it, made into the items of printed
// lines: each place %1, %2... is filled either with text that joins the
// words around it or with an item of its own (a number with its blanks, a
// mark). A translation may break its sentence into lines of its own with
// "\n"; each further line starts at the first line's column.
#pragma once

#include "printitem.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <span>

namespace Sentence {

struct Place {
    PrintItem item;
    bool ownItem = false; // drawn as an item of its own, not joined to the words

    static Place text(const QString& text) { return {PrintItem::fromText(text), false}; }
    static Place number(float value) { return {PrintItem::fromNumber(value), true}; }
    static Place number(double value) { return {PrintItem::fromNumber(value), true}; }
    static Place mark(QChar glyph) { return {PrintItem::mark(glyph), true}; }
};

struct Layout {
    QString label;  // before the first line's tab, as "1)"
    int column = 0; // the tab every line starts at; 0 for none
    // Words drawn as items of their own wherever they stand as whole words,
    // as the English exercise prints the subject's words.
    QStringList ownWords;
};

QList<PrintLine> lines(const QString& sentence, std::span<const Place> places,
                       const Layout& layout = {});

// One line, for a sentence that a translation does not break.
PrintLine line(const QString& sentence, std::span<const Place> places, const Layout& layout = {});

} // namespace Sentence
