#include "picture.h"

#include "diagram.h"
#include "model/language.h"
#include "model/logging.h"
#include "paneaccessibility.h"
#include "panestyle.h"
#include "rawimage.h"

#include <QFile>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

Picture::Picture(const QString& drawing, QWidget* parent)
    : Picture(drawing, Bitmap(), parent) {
}

Picture::Picture(const QString& drawing, const Bitmap& at1x, QWidget* parent)
    : QWidget(parent)
    , m_at1x(at1x) {
    installPaneAccessibility();
    QFile file(drawing);
    if (file.open(QIODevice::ReadOnly))
        m_drawing = file.readAll();
    else
        qCWarning(lcKorvanel, "Cannot open the picture %ls: %ls", qUtf16Printable(drawing),
                  qUtf16Printable(file.errorString()));
    m_imageSize = at1x.resource.isEmpty() ? renderer().defaultSize() : at1x.size;

    setAutoFillBackground(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

Picture::~Picture() = default;

QSvgRenderer& Picture::renderer() const {
    if (!m_renderer) {
        PaneStyle::loadDrawingFaces();
        m_renderer = std::make_unique<QSvgRenderer>(m_drawing);
    }
    return *m_renderer;
}

QPixmap Picture::raster(qreal devicePixelRatio, qreal scale) const {
    if (!m_cache.isNull() && m_cache.devicePixelRatio() == devicePixelRatio &&
        m_cacheScale == scale)
        return m_cache;
    m_cacheScale = scale;
    const bool translated = !Language::isEnglish() && m_translatedLabels;
    if (devicePixelRatio == 1 && scale == 1 && !m_at1x.resource.isEmpty() && !translated) {
        if (const QImage bitmap = rawImage(m_at1x.resource, m_at1x.size); !bitmap.isNull()) {
            m_cache = QPixmap::fromImage(bitmap);
            return m_cache;
        }
    }
    const QSizeF logical = QSizeF(m_imageSize) * scale;
    QPixmap pixmap((logical * devicePixelRatio).toSize());
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // The drawing's words start from the painter's font: hinted as ours.
    QFont font = painter.font();
    PaneStyle::hint(font);
    painter.setFont(font);
    if (translated)
        Diagram(m_drawing).draw(painter, QRectF(QPointF(0, 0), logical));
    else
        renderer().render(&painter, QRectF(QPointF(0, 0), logical));
    painter.end();
    // The parsed drawing is needed again only at another scale or ratio.
    m_renderer.reset();
    m_cache = pixmap;
    return m_cache;
}

void Picture::translateLabels() {
    m_translatedLabels = true;
    m_cache = QPixmap();
}

void Picture::setScale(qreal scale) {
    if (scale == m_scale)
        return;
    m_scale = scale;
    update();
}

void Picture::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Window));
    painter.drawPixmap(0, 0, raster(devicePixelRatioF(), m_scale));
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.backgroundColor = palette().color(QPalette::Window);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}
