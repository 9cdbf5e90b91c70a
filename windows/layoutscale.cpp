#include "layoutscale.h"

#include <algorithm>

namespace {

// Steps are compared with some slack: a scale that fits a window is rarely
// a step exactly, and 0.67 stands for two thirds.
constexpr qreal slack = 0.005;

} // namespace

qreal LayoutScale::scaleFor(const QSizeF& window, const QSizeF& room, const QSizeF& layout) const {
    const auto fit = [&layout](const QSizeF& area) {
        return std::min(area.width() / layout.width(), area.height() / layout.height());
    };
    switch (m_mode) {
    case Mode::Automatic:
        return std::clamp(fit(room), floor, 1.0);
    case Mode::Zoomed:
        return m_zoom;
    case Mode::FitToWindow:
        return std::clamp(fit(window), steps.front(), steps.back());
    }
    return 1;
}

void LayoutScale::zoomIn(qreal shown) {
    const auto next = std::find_if(steps.begin(), steps.end(),
                                   [shown](qreal step) { return step > shown + slack; });
    m_zoom = next == steps.end() ? steps.back() : *next;
    m_mode = Mode::Zoomed;
}

void LayoutScale::zoomOut(qreal shown) {
    const auto next = std::find_if(steps.rbegin(), steps.rend(),
                                   [shown](qreal step) { return step < shown - slack; });
    m_zoom = next == steps.rend() ? steps.front() : *next;
    m_mode = Mode::Zoomed;
}
