// The scale at which a window lays out its table. Automatic: 1 wherever
// the layout fits the room the screen gives a window, smaller where it does
// not, but never below a floor that stays readable (scroll bars take over
// from there). The student may zoom in steps instead, or ask for the layout
// to fill the window as it is.
#pragma once

#include <QSizeF>

#include <array>

class LayoutScale {
public:
    enum class Mode { Automatic, Zoomed, FitToWindow };

    static constexpr qreal floor = 0.7;
    static constexpr std::array<qreal, 13> steps = {0.5,  0.67, 0.75, 0.8, 0.9, 1.0, 1.1,
                                                    1.25, 1.5,  1.75, 2.0, 2.5, 3.0};

    Mode mode() const { return m_mode; }

    // The scale for a layout of `layout` pixels at scale 1, in a window
    // whose client area is `window` and which would have `room` maximised.
    qreal scaleFor(const QSizeF& window, const QSizeF& room, const QSizeF& layout) const;

    // The next step up or down from the scale now shown.
    void zoomIn(qreal shown);
    void zoomOut(qreal shown);
    void reset() { m_mode = Mode::Automatic; }
    void fitToWindow() { m_mode = Mode::FitToWindow; }

private:
    Mode m_mode = Mode::Automatic;
    qreal m_zoom = 1;
};
