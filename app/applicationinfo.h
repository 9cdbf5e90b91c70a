// What the program tells the desktop about itself: name, version, the
// desktop entry it belongs to, and its icon.
#pragma once

namespace ApplicationInfo {

inline constexpr auto name = "Korvanel";
inline constexpr auto version = KORVANEL_VERSION;
inline constexpr auto desktopEntry = "org.korvanel.Korvanel";

void apply(); // on the running QApplication

} // namespace ApplicationInfo
