// Where the items of one printed line go. Texts and numbers follow each
// other as runs; a tab moves the position to its column, one average
// character width per column, and never back. The same rule, counted in
// characters, gives the line's plain text: a tab pads with blanks up to its
// column. Painting, measuring, reading aloud and paper all take their
// positions from here.
#pragma once

#include "stages/printitem.h"

#include <QFontMetrics>
#include <QList>
#include <QString>

#include <variant>

class QPainter;
class TextShaper;

class LineLayout {
public:
    struct Run {
        QString text;
        qreal x = 0;    // left edge, from the left of the page
        int offset = 0; // of its first character in plainText()
    };

    // In character cells: x counts characters.
    explicit LineLayout(const PrintLine& line);
    // In whole pixels, as a widget draws the line.
    LineLayout(const PrintLine& line, const QFontMetrics& metrics);
    // In fractions of a unit, as a PDF places it.
    LineLayout(const PrintLine& line, const QFontMetricsF& metrics);
    // The same, its texts shaped once by `shaper`, which must outlive it.
    LineLayout(const PrintLine& line, TextShaper& shaper);

    const QList<Run>& runs() const { return m_runs; }
    qreal width() const { return m_width; } // where a next item would start
    const QString& plainText() const { return m_plain; }

    // The left edge of the character at `offset` in plainText(); width() at
    // and past the end. A padding blank lies within its tab's stretch.
    qreal characterLeft(int offset) const;
    // The character whose cell holds `x`; plainText().size() right of the text.
    int offsetAt(qreal x) const;

    // Draws the runs in the painter's font and pen, the line's left end on
    // the baseline at `origin`: the one way a printed line reaches a page,
    // on screen or on paper.
    void draw(QPainter& painter, const QPointF& origin) const;

private:
    struct Pad {
        int fromOffset, toOffset;
        qreal fromX, toX;
    };

    void layOut(const PrintLine& line);
    qreal advance(const QString& text) const;
    qreal columnWidth() const;

    std::variant<std::monostate, QFontMetrics, QFontMetricsF, TextShaper*> m_metrics;
    QList<Run> m_runs;
    QList<Pad> m_pads;
    QString m_plain;
    qreal m_width = 0;
};
