#include "classchart.h"

#include "records/attemptsummary.h"

#include <QPainter>

#include <algorithm>

namespace {

struct Look {
    QColor colour;
    Qt::BrushStyle pattern;
    QColor ink;
};

// Dark green solid, light green hatched, blue, amber hatched the other way,
// red, grey dotted: told apart in grey too.
const Look looks[outcomeCount] = {
    {QColor(0, 120, 0), Qt::SolidPattern, Qt::white},
    {QColor(120, 190, 90), Qt::BDiagPattern, Qt::black},
    {QColor(40, 90, 190), Qt::SolidPattern, Qt::white},
    {QColor(230, 170, 30), Qt::FDiagPattern, Qt::black},
    {QColor(200, 30, 30), Qt::SolidPattern, Qt::white},
    {QColor(190, 190, 190), Qt::Dense6Pattern, Qt::black},
};

// A patterned fill is drawn over a pale ground of its own colour.
void fillRect(QPainter& painter, const QRectF& rect, Outcome outcome) {
    const Look& look = looks[int(outcome)];
    if (look.pattern != Qt::SolidPattern)
        painter.fillRect(rect, look.colour.lighter(160));
    painter.fillRect(rect, QBrush(look.colour, look.pattern));
}

// A count on a patterned fill stands on a small white plate.
void drawCount(QPainter& painter, const QRectF& box, const QString& text, Outcome outcome,
               const QFontMetricsF& metrics) {
    const Look& look = looks[int(outcome)];
    if (look.pattern != Qt::SolidPattern) {
        const qreal w = metrics.horizontalAdvance(text) + metrics.averageCharWidth();
        const QRectF plate(box.center().x() - w / 2, box.center().y() - metrics.height() / 2, w,
                           metrics.height());
        painter.fillRect(plate, Qt::white);
        painter.setPen(Qt::black);
    } else {
        painter.setPen(look.ink);
    }
    painter.drawText(box, Qt::AlignCenter, text);
}

// Room for the fields' names at the left of the bars.
qreal nameWidth(const QFontMetricsF& metrics) {
    qreal widest = 0;
    for (const AnswerField& field : answerFields())
        widest = std::max(widest, metrics.horizontalAdvance(fieldName(field)));
    return widest + 2 * metrics.averageCharWidth();
}

void drawKey(QPainter& painter, const QRectF& row, const QFont& font) {
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const qreal swatch = metrics.ascent();
    qreal x = row.left();
    qreal y = row.top();
    for (int o = 0; o < outcomeCount; ++o) {
        const Outcome outcome = Outcome(o);
        const QString name = outcomeName(outcome);
        const qreal width = swatch + metrics.averageCharWidth() + metrics.horizontalAdvance(name) +
                            2 * metrics.averageCharWidth();
        if (x + width > row.right() && x > row.left()) {
            x = row.left();
            y += metrics.lineSpacing();
        }
        const QRectF box(x, y + (metrics.height() - swatch) / 2, swatch, swatch);
        fillRect(painter, box, outcome);
        painter.setPen(QPen(Qt::black, 0));
        painter.drawRect(box);
        painter.drawText(QPointF(x + swatch + metrics.averageCharWidth(), y + metrics.ascent()),
                         name);
        x += width;
    }
}

void drawBar(QPainter& painter, const QRectF& row, const FieldFigures& field, int students,
             const QFont& font, qreal nameWidth) {
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const qreal barTop = row.top() + 0.2 * metrics.lineSpacing();
    const qreal barHeight = 1.2 * metrics.lineSpacing();
    painter.setPen(Qt::black);
    painter.drawText(QRectF(row.left(), barTop, nameWidth, barHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, fieldName(answerField(field.field)));
    const QRectF bar(row.left() + nameWidth, barTop, row.width() - nameWidth, barHeight);
    if (students <= 0) {
        painter.setPen(QPen(Qt::black, 0));
        painter.drawRect(bar);
        return;
    }
    qreal x = bar.left();
    qreal lane = bar.left(); // where the next count below the bar may start
    for (int o = 0; o < outcomeCount; ++o) {
        const int count = field.students[size_t(o)];
        if (count == 0)
            continue;
        const Outcome outcome = Outcome(o);
        const qreal width = bar.width() * count / students;
        const QRectF segment(x, bar.top(), width, bar.height());
        fillRect(painter, segment, outcome);
        painter.setPen(QPen(Qt::white, 0));
        painter.drawLine(segment.topLeft(), segment.bottomLeft());
        const QString text = QString::number(count);
        const qreal textWidth = metrics.horizontalAdvance(text) + metrics.averageCharWidth();
        if (textWidth <= width) {
            drawCount(painter, segment, text, outcome, metrics);
        } else {
            // Below the segment, with a tick up to it, clear of the count before.
            const qreal left = std::max(lane, segment.center().x() - textWidth / 2);
            const QRectF below(left, bar.bottom() + 0.1 * metrics.lineSpacing(), textWidth,
                               metrics.height());
            painter.setPen(QPen(Qt::black, 0));
            painter.drawLine(QPointF(segment.center().x(), bar.bottom()),
                             QPointF(below.center().x(), below.top()));
            painter.drawText(below, Qt::AlignCenter, text);
            lane = below.right();
        }
        x += width;
    }
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(bar);
}

} // namespace

qreal ClassChart::keyHeight(const QFontMetricsF& metrics) {
    return 2 * metrics.lineSpacing();
}

qreal ClassChart::barHeight(const QFontMetricsF& metrics) {
    // The bar, and under it a lane for counts too wide for their segments.
    return 2.4 * metrics.lineSpacing();
}

qreal ClassChart::height(const ClassFigures& figures, const QFontMetricsF& metrics) {
    return keyHeight(metrics) + figures.fields.size() * barHeight(metrics);
}

void ClassChart::draw(QPainter& painter, const QRectF& area, const ClassFigures& figures,
                      const QFont& font) {
    const QFontMetricsF metrics(font, painter.device());
    const qreal names = nameWidth(metrics);
    drawKey(painter,
            QRectF(area.left() + names, area.top(), area.width() - names, keyHeight(metrics)),
            font);
    qreal y = area.top() + keyHeight(metrics);
    for (const FieldFigures& field : figures.fields) {
        drawBar(painter, QRectF(area.left(), y, area.width(), barHeight(metrics)), field,
                figures.students, font, names);
        y += barHeight(metrics);
    }
}
