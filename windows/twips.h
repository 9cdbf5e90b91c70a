// Window layouts are written in twips, as they were designed: 1/1440 inch,
// 15 to a pixel at 96 dpi.
#pragma once

#include <QRect>
#include <QtMath>

struct Twips {
    int left, top, width, height;

    static constexpr int perPixel = 15;

    // The rectangle in pixels at a layout scale. Edges are rounded rather
    // than sizes, so that controls that did not overlap at scale 1 never do.
    QRect pixels(qreal scale = 1) const {
        const auto at = [scale](int twips) {
            return qRound(twips * scale / perPixel);
        };
        return QRect(QPoint(at(left), at(top)), QPoint(at(left + width) - 1, at(top + height) - 1));
    }
};
