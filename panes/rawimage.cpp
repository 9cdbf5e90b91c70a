#include "rawimage.h"

#include "model/logging.h"

#include <QResource>

QImage rawImage(const QString& resource, const QSize& size) {
    const QResource raw(resource);
    const qint64 bytes = qint64(size.width()) * size.height() * 4;
    const QByteArray data = raw.uncompressedData();
    if (!raw.isValid() || data.size() != bytes) {
        qCWarning(lcKorvanel, "Cannot read the bitmap %ls of %dx%d", qUtf16Printable(resource),
                  size.width(), size.height());
        return QImage();
    }
    return QImage(reinterpret_cast<const uchar*>(data.constData()), size.width(), size.height(),
                  size.width() * 4, QImage::Format_RGBA8888)
        .copy();
}
