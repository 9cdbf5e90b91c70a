// Windows. The program is built for the window subsystem, so that the
// window opens without a console of its own; the command line's messages
// (--help, --version, what is wrong) go to the console it was started from
// (cmd, PowerShell) instead, unless they are redirected to a file or pipe.
// Text is drawn by FreeType, as on Debian, not by DirectWrite or GDI.
#include "platform.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <windows.h>

namespace {

bool leadsSomewhere(DWORD which) {
    const HANDLE handle = GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
           GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

void attachConsole() {
    const bool out = leadsSomewhere(STD_OUTPUT_HANDLE);
    const bool err = leadsSomewhere(STD_ERROR_HANDLE);
    if ((out && err) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (!out)
        std::freopen("CONOUT$", "w", stdout);
    if (!err)
        std::freopen("CONOUT$", "w", stderr);
}

// Paper is drawn on the offscreen platform, which on Windows reads font
// files from a folder of the Qt the program was built with, and warns on
// the console when that is not there. The faces are compiled in; the
// program's own folder will do.
void keepFontsAtHome() {
    if (qEnvironmentVariableIsSet("QT_QPA_FONTDIR"))
        return;
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length == MAX_PATH)
        return;
    std::wstring folder(path, length);
    folder.erase(folder.find_last_of(L'\\'));
    _wputenv_s(L"QT_QPA_FONTDIR", folder.c_str());
}

// The window's layout counts in the font's average character width and
// Windows's own engines give Liberation Sans another one than FreeType (a
// tab stop lands 4 px further left); with FreeType's the window is drawn
// as on Debian, pixel for pixel. A platform named on the command line or in
// QT_QPA_PLATFORM is left as it is.
void drawTextAsOnDebian() {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        _wputenv_s(L"QT_QPA_PLATFORM", L"windows:fontengine=freetype");
}

} // namespace

void Platform::setUp() {
    attachConsole();
    keepFontsAtHome();
    drawTextAsOnDebian();
}
