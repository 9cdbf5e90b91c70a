// Window layouts are written in twips, as they were designed: 1/1440 inch,
// 15 to a pixel at 96 dpi.
#pragma once

#include <QRect>

struct Twips {
    int left, top, width, height;

    static constexpr int perPixel = 15;

    constexpr QRect pixels() const {
        return {left / perPixel, top / perPixel, width / perPixel, height / perPixel};
    }
};
