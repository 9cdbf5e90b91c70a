// The program's icon: its 32 px bitmap where that is the size asked for,
// its drawing rendered at the very pixels for any other size (a high-DPI
// title bar, a task switcher). Only the 32 px bitmap is offered unasked, so
// a window at 100 % never parses the drawing.
#pragma once

#include <QIconEngine>

class ProgramIconEngine : public QIconEngine {
public:
    QIconEngine* clone() const override;
    QString key() const override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
};
