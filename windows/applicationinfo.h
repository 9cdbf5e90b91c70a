// What the running program tells the desktop about itself: name, version,
// the desktop entry it belongs to, and its icon.
#pragma once

namespace ApplicationInfo {

void apply(); // on the running QGuiApplication

} // namespace ApplicationInfo
