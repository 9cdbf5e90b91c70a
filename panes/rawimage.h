// Bitmaps kept as raw bytes: red, green, blue and alpha, 8 bits each, row by
// row. Reading a PNG at start-up loads the image format plugins and costs
// the first paint 6 million instructions (callgrind, beside a bare window's
// 65 million in all); the logo and the icon at 100 % are raw instead, made
// from their PNGs with ImageMagick's "convert X.png -depth 8 RGBA:X.rgba".
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The image in `resource`; a null image, with a warning, when its size is
// not `size`.
QImage rawImage(const QString& resource, const QSize& size);
