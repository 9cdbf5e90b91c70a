// The class's figures drawn as a chart, the same on paper and on screen:
// for each question, or each part of question 2, a horizontal bar of the
// students' outcomes side by side, each segment labelled with its count,
// and a key. Fills differ in pattern as well as colour, and every count is
// written, so that colour is never the only cue. Everything is vectors.
#pragma once

#include "classwork/classfigures.h"

#include <QFont>
#include <QFontMetricsF>
#include <QRectF>

class QPainter;

namespace ClassChart {

// The rows of a chart in `font`: a key, then a bar for each field.
qreal keyHeight(const QFontMetricsF& metrics);
qreal barHeight(const QFontMetricsF& metrics);

// The whole chart in `area`: the key and every bar.
qreal height(const ClassFigures& figures, const QFontMetricsF& metrics);
void draw(QPainter& painter, const QRectF& area, const ClassFigures& figures, const QFont& font);

} // namespace ClassChart
