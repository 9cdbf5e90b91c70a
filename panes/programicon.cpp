#include "programicon.h"

#include "rawimage.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace {

constexpr QSize bitmapSize(32, 32);

QPixmap rendered(const QSize& pixels) {
    if (pixels == bitmapSize)
        if (const QImage bitmap = rawImage(QStringLiteral(":/assets/korvanel-32.rgba"), bitmapSize);
            !bitmap.isNull())
            return QPixmap::fromImage(bitmap);
    QPixmap pixmap(pixels);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QSvgRenderer(QStringLiteral(":/assets/korvanel.svg")).render(&painter, QRectF(pixmap.rect()));
    return pixmap;
}

} // namespace

QIconEngine* ProgramIconEngine::clone() const {
    return new ProgramIconEngine;
}

QString ProgramIconEngine::key() const {
    return QStringLiteral("korvanel");
}

QList<QSize> ProgramIconEngine::availableSizes(QIcon::Mode, QIcon::State) {
    QList<QSize> sizes = {bitmapSize};
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1;
    if (ratio > 1)
        sizes.append(bitmapSize * ratio);
    return sizes;
}

QPixmap ProgramIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return scaledPixmap(size, mode, state, 1);
}

// QIcon asks for the size in device pixels already.
QPixmap ProgramIconEngine::scaledPixmap(const QSize& size, QIcon::Mode, QIcon::State, qreal scale) {
    QPixmap pixmap = rendered(size);
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
}

void ProgramIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                              QIcon::State state) {
    const qreal scale = painter->device() ? painter->device()->devicePixelRatio() : 1;
    painter->drawPixmap(rect, scaledPixmap(rect.size() * scale, mode, state, scale));
}
