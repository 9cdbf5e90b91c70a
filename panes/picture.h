// A picture area that shows a vector image unscaled at its top left corner,
// on the widget's own background. An image larger than the area is cut off
// at the right and bottom.
//
// The image is rasterised at the screen's device pixel ratio, so it stays
// sharp on high-DPI screens; the raster is kept until the ratio changes.
// A picture shown from start-up may come with a bitmap made from the same
// drawing for 100 % scale, which spares the start-up parsing the drawing
// and loading its fonts. The image's <title> and <desc> become the
// accessible name and description.
#pragma once

#include <QPixmap>
#include <QSvgRenderer>
#include <QWidget>

#include <memory>

class Picture : public QWidget {
    Q_OBJECT

public:
    explicit Picture(const QString& drawing, QWidget* parent = nullptr);
    Picture(const QString& drawing, const QString& bitmapAt1x, QWidget* parent = nullptr);
    ~Picture() override;

    QSize imageSize() const { return m_imageSize; }
    QPixmap raster(qreal devicePixelRatio) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer& renderer() const;

    QByteArray m_drawing;
    QString m_bitmapAt1x;
    mutable std::unique_ptr<QSvgRenderer> m_renderer; // made on first need
    QSize m_imageSize;
    mutable QPixmap m_cache;
};
