// A picture area that shows a vector image unscaled at its top left corner,
// on the widget's own background. An image larger than the area is cut off
// at the right and bottom.
//
// The image is rasterised at the screen's device pixel ratio, so it stays
// sharp on high-DPI screens; the raster is kept until the ratio changes.
// The image's <title> and <desc> become the accessible name and description.
#pragma once

#include <QPixmap>
#include <QSvgRenderer>
#include <QWidget>

class Picture : public QWidget {
    Q_OBJECT

public:
    explicit Picture(const QString& resource, QWidget* parent = nullptr);

    QSize imageSize() const { return m_imageSize; }
    QPixmap raster(qreal devicePixelRatio) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    mutable QSvgRenderer m_renderer; // render() is not const
    QSize m_imageSize;
    mutable QPixmap m_cache;
};
