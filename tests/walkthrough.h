// The stages as a window shows them: the stage table, and what a window
// shows of its own controls.
#pragma once

#include "stagetable.h"

#include <QStringList>
#include <QWidget>

namespace Walkthrough {

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
