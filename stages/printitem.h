// One item of a printed line: a text, a number, a move to a column, or a
// mark beside words that say the same (drawn, but read as a blank).
//
// Numbers are turned into text when the item is made: one blank (the place
// of the sign), the shortest decimal that reads back as the same value at
// its own precision, with the decimal separator of the run's language, one
// blank.
#pragma once

#include <QList>
#include <QString>

struct PrintItem {
    enum class Kind { Text, Number, Tab, Mark };

    Kind kind = Kind::Text;
    QString text;   // what is drawn; empty for a tab
    int column = 0; // 1-based target column of a tab

    static PrintItem fromText(const QString& text) { return {Kind::Text, text, 0}; }
    static PrintItem fromNumber(float value) { return {Kind::Number, numberText(value), 0}; }
    static PrintItem fromNumber(double value) { return {Kind::Number, numberText(value), 0}; }
    static PrintItem tab(int column) { return {Kind::Tab, QString(), column}; }
    static PrintItem mark(QChar glyph) { return {Kind::Mark, QString(glyph), 0}; }

    static QString decimal(float value);
    static QString decimal(double value);
    static QString numberText(float value) { return u' ' + decimal(value) + u' '; }
    static QString numberText(double value) { return u' ' + decimal(value) + u' '; }

    friend bool operator==(const PrintItem&, const PrintItem&) = default;
};

using PrintLine = QList<PrintItem>;

// A line as text in character cells, as a screen reader or a record takes
// it: a tab pads with blanks up to its column, and never goes back; a mark
// is a blank.
QString plainText(const PrintLine& line);
