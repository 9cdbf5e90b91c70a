// The stages as a window shows them: the stage table, and what a window
// shows of its own controls.
#pragma once

#include "stagetable.h"
#include "windows/formwindow.h"

#include <QStringList>

namespace Walkthrough {

// The names of the visible controls on the window's page, sorted; controls
// of the kinds given are left out.
template <typename... LeftOut> QStringList visibleChildren(const FormWindow& window) {
    QStringList names;
    for (QWidget* child : window.page()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isVisible() && !(qobject_cast<LeftOut*>(child) || ...))
            names.append(child->objectName());
    names.sort();
    return names;
}

} // namespace Walkthrough
