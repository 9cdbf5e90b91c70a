#include "linelayout.h"

#include "textshaper.h"

#include <QPainter>

#include <algorithm>

LineLayout::LineLayout(const PrintLine& line) {
    layOut(line);
}

LineLayout::LineLayout(const PrintLine& line, const QFontMetrics& metrics)
    : m_metrics(metrics) {
    layOut(line);
}

LineLayout::LineLayout(const PrintLine& line, const QFontMetricsF& metrics)
    : m_metrics(metrics) {
    layOut(line);
}

LineLayout::LineLayout(const PrintLine& line, TextShaper& shaper)
    : m_metrics(&shaper) {
    layOut(line);
}

qreal LineLayout::advance(const QString& text) const {
    if (const auto* whole = std::get_if<QFontMetrics>(&m_metrics))
        return whole->horizontalAdvance(text);
    if (const auto* fractional = std::get_if<QFontMetricsF>(&m_metrics))
        return fractional->horizontalAdvance(text);
    if (const auto* shaper = std::get_if<TextShaper*>(&m_metrics))
        return (*shaper)->advance(text);
    return qreal(text.size());
}

qreal LineLayout::columnWidth() const {
    if (const auto* whole = std::get_if<QFontMetrics>(&m_metrics))
        return whole->averageCharWidth();
    if (const auto* fractional = std::get_if<QFontMetricsF>(&m_metrics))
        return fractional->averageCharWidth();
    if (const auto* shaper = std::get_if<TextShaper*>(&m_metrics))
        return (*shaper)->averageCharWidth();
    return 1;
}

void LineLayout::layOut(const PrintLine& line) {
    const qreal column = columnWidth();
    qreal x = 0;
    for (const PrintItem& item : line) {
        if (item.kind == PrintItem::Kind::Tab) {
            const int toOffset = std::max(int(m_plain.size()), item.column - 1);
            const qreal toX = std::max(x, (item.column - 1) * column);
            if (toOffset > m_plain.size()) {
                m_pads.append({int(m_plain.size()), toOffset, x, toX});
                m_plain.append(QString(toOffset - m_plain.size(), u' '));
            }
            x = toX;
        } else if (!item.text.isEmpty()) {
            m_runs.append({item.text, x, int(m_plain.size())});
            // A mark is read as a blank: the words beside it say the same.
            m_plain.append(item.kind == PrintItem::Kind::Mark ? QString(item.text.size(), u' ')
                                                              : item.text);
            x += advance(item.text);
        }
    }
    m_width = x;
}

qreal LineLayout::characterLeft(int offset) const {
    if (offset >= m_plain.size())
        return m_width;
    for (const Run& run : m_runs)
        if (offset >= run.offset && offset < run.offset + run.text.size())
            return run.x + advance(run.text.left(offset - run.offset));
    for (const Pad& pad : m_pads)
        if (offset >= pad.fromOffset && offset < pad.toOffset)
            return std::clamp(offset * columnWidth(), pad.fromX, pad.toX);
    return 0;
}

int LineLayout::offsetAt(qreal x) const {
    for (int offset = 0; offset < m_plain.size(); ++offset)
        if (characterLeft(offset + 1) > x)
            return offset;
    return int(m_plain.size());
}

void LineLayout::draw(QPainter& painter, const QPointF& origin) const {
    auto* const* shaper = std::get_if<TextShaper*>(&m_metrics);
    for (const Run& run : m_runs) {
        const QPointF at(origin.x() + run.x, origin.y());
        if (shaper)
            (*shaper)->draw(painter, at, run.text);
        else
            painter.drawText(at, run.text);
    }
}
