// What the program does differently on Windows, declared once; the rest of
// the program is the same everywhere.
#pragma once

namespace Platform {

// At the top of main(), before anything is printed or drawn. Nothing to do
// but on Windows, where a program of the window subsystem starts without
// standard output and error (started from a console, it writes there) and
// where text is drawn as on Debian only when asked to.
#ifdef _WIN32
void setUp();
#else
inline void setUp() {
}
#endif

} // namespace Platform
