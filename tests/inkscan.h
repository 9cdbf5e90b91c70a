// Where a widget shows ink: the bounding box of its non-background pixels.
#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

namespace InkScan {

inline QRect bounds(const QImage& image, const QRect& area = QRect()) {
    const QRect scan = area.isNull() ? image.rect() : area & image.rect();
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    for (int y = scan.top(); y <= scan.bottom(); ++y)
        for (int x = scan.left(); x <= scan.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qRed(pixel) < 200 || qGreen(pixel) < 200 || qBlue(pixel) < 200) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

inline QRect bounds(QWidget* widget, const QRect& area = QRect()) {
    return bounds(widget->grab().toImage(), area);
}

} // namespace InkScan
