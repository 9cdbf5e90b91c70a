// The exercise as tests walk it: the one answer button of each step, in
// order, and what a window shows of its own controls.
#pragma once

#include "stages/questionsequence.h"

#include <QStringList>
#include <QWidget>

namespace Walkthrough {

inline constexpr Control steps[] = {
    Control::seeanswer1, Control::hideanswer1, Control::seeanswer2, Control::hideanswer2,
    Control::seeanswer3, Control::hideanswer3, Control::seeanswer4, Control::hideanswer4,
    Control::seeanswer5, Control::hideanswer5, Control::seeanswer6, Control::hideanswer6};

// The names of the window's visible controls, sorted; children of the kinds
// given are left out.
template <typename... LeftOut> QStringList visibleChildren(const QWidget& window) {
    QStringList names;
    for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isVisible() && !(qobject_cast<LeftOut*>(child) || ...))
            names.append(child->objectName());
    names.sort();
    return names;
}

} // namespace Walkthrough
