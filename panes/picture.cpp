#include "picture.h"

#include "paneaccessibility.h"

#include <QFile>
#include <QPaintEvent>
#include <QPainter>
#include <QXmlStreamReader>

namespace {

struct Captions {
    QString title;
    QString desc;
};

// Only the top-level <title> and <desc> describe the whole image.
Captions readCaptions(const QByteArray& svg) {
    Captions captions;
    QXmlStreamReader reader(svg);
    int depth = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            ++depth;
            if (depth == 2 && reader.name() == u"title")
                captions.title = reader.readElementText().simplified();
            else if (depth == 2 && reader.name() == u"desc")
                captions.desc = reader.readElementText().trimmed();
            else
                break;
            --depth; // readElementText() consumed the end element
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    return captions;
}

} // namespace

Picture::Picture(const QString& resource, QWidget* parent)
    : QWidget(parent) {
    QFile file(resource);
    const QByteArray svg = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    installPaneAccessibility();
    m_renderer.load(svg);
    m_imageSize = m_renderer.defaultSize();

    const Captions captions = readCaptions(svg);
    setAccessibleName(captions.title);
    setAccessibleDescription(captions.desc);

    setAutoFillBackground(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QPixmap Picture::raster(qreal devicePixelRatio) const {
    if (m_cache.isNull() || m_cache.devicePixelRatio() != devicePixelRatio) {
        QPixmap pixmap(m_imageSize * devicePixelRatio);
        pixmap.setDevicePixelRatio(devicePixelRatio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        m_renderer.render(&painter, QRectF(QPointF(0, 0), m_imageSize));
        m_cache = pixmap;
    }
    return m_cache;
}

void Picture::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Window));
    painter.drawPixmap(0, 0, raster(devicePixelRatioF()));
}
