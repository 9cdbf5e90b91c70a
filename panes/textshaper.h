// Texts shaped once and drawn as glyph runs. Paper sets the same words for
// every subject of a class set, and shaping each of them again, to measure
// it and to draw it, took more than half of the instructions of writing a
// class set (54 % of 1.6 billion for 30 worksheets and keys, callgrind), so
// each distinct text is shaped once for a font on a device. A pane measures
// its lines in whole pixels, and draws them again on every repaint.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QList>

class QPainter;
class QPaintDevice;

class TextShaper {
public:
    enum class Units { Fractions, WholePixels };

    TextShaper(const QFont& font, const QPaintDevice* device, Units units = Units::Fractions);

    const QFont& font() const { return m_font; }
    qreal averageCharWidth() const;
    // As QFontMetricsF::horizontalAdvance() gives it, or QFontMetrics' in
    // whole pixels.
    qreal advance(const QString& text);
    // Draws `text` in the painter's pen with its baseline's left end at
    // `origin`, as QPainter::drawText() would.
    void draw(QPainter& painter, const QPointF& origin, const QString& text);

private:
    struct Shaped {
        QList<QGlyphRun> runs; // positioned from the layout's top left
        qreal advance = 0;
        qreal ascent = 0;
    };
    const Shaped& shaped(const QString& text);

    QFont m_font;
    const QPaintDevice* m_device;
    Units m_units;
    QFontMetricsF m_metrics;
    QFontMetrics m_wholeMetrics;
    QHash<QString, Shaped> m_texts;
};
