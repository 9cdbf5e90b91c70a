// A picture area that shows a vector image at its top left corner, on the
// widget's own background, at the window's layout scale. An image larger
// than the area is cut off at the right and bottom.
//
// The image is rasterised from its drawing at the device pixels it covers
// (layout scale times the screen's pixel ratio), so it stays sharp at any
// zoom and on high-DPI screens; the raster is kept until either changes.
// A picture shown from start-up may come with a bitmap made from the same
// drawing for 100 % scale (raw bytes, rawimage.h), which spares the
// start-up parsing the drawing and loading its fonts. A diagram's labels
// may be drawn in the run's language (Diagram); its names for assistive
// technology are its owner's to give.
#pragma once

#include <QPixmap>
#include <QSvgRenderer>
#include <QWidget>

#include <memory>

class Picture : public QWidget {
    Q_OBJECT

public:
    explicit Picture(const QString& drawing, QWidget* parent = nullptr);
    struct Bitmap {
        QString resource;
        QSize size;
    };
    Picture(const QString& drawing, const Bitmap& at1x, QWidget* parent = nullptr);
    ~Picture() override;

    QSize imageSize() const { return m_imageSize; } // at scale 1
    QPixmap raster(qreal devicePixelRatio, qreal scale = 1) const;

    qreal scale() const { return m_scale; }
    void setScale(qreal scale);
    // Draws the labels in the run's language where it is not English.
    void translateLabels();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer& renderer() const;

    QByteArray m_drawing;
    Bitmap m_at1x;
    mutable std::unique_ptr<QSvgRenderer> m_renderer; // made on first need
    QSize m_imageSize;
    qreal m_scale = 1;
    mutable QPixmap m_cache;
    mutable qreal m_cacheScale = 0;
    bool m_translatedLabels = false;
};
