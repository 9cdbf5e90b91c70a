#include "textshaper.h"

#include <QPainter>
#include <QTextLayout>

TextShaper::TextShaper(const QFont& font, const QPaintDevice* device, Units units)
    : m_font(font)
    , m_device(device)
    , m_units(units)
    , m_metrics(font, const_cast<QPaintDevice*>(device))
    , m_wholeMetrics(font, const_cast<QPaintDevice*>(device)) {
}

qreal TextShaper::averageCharWidth() const {
    return m_units == Units::WholePixels ? m_wholeMetrics.averageCharWidth()
                                         : m_metrics.averageCharWidth();
}

const TextShaper::Shaped& TextShaper::shaped(const QString& text) {
    auto found = m_texts.find(text);
    if (found != m_texts.end())
        return *found;
    Shaped shaped;
    QTextLayout layout(text, m_font, const_cast<QPaintDevice*>(m_device));
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    shaped.runs = layout.glyphRuns();
    // The line's advance is what QFontMetrics and QFontMetricsF give, to the
    // last bit (checked for every text of every subject at twelve sizes, on
    // screen and on a PDF), without shaping the text a second time.
    const qreal advance = line.isValid() ? line.horizontalAdvance() : 0;
    shaped.advance = m_units == Units::WholePixels ? qreal(qRound(advance)) : advance;
    shaped.ascent = line.isValid() ? line.ascent() : m_metrics.ascent();
    return *m_texts.insert(text, shaped);
}

qreal TextShaper::advance(const QString& text) {
    return shaped(text).advance;
}

void TextShaper::draw(QPainter& painter, const QPointF& origin, const QString& text) {
    const Shaped& s = shaped(text);
    for (const QGlyphRun& run : s.runs)
        painter.drawGlyphRun(origin - QPointF(0, s.ascent), run);
}
