# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (posix threads).
# The one place that names the Windows tools; scripts/windows passes it to
# both the Qt build and Korvanel's. Qt's cache key (scripts/windows-qt.sh)
# hashes this file down to the "Korvanel alone" line: what Qt is built with.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${_triple}-windres)
set(CMAKE_AR ${_triple}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${_triple}-gcc-ranlib-posix CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# --- Korvanel alone: nothing below changes how Qt is built ------------------

# Windows executes what these make under Wine for the checks.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)

# One Korvanel.exe with nothing beside it: the MinGW runtime (libstdc++,
# libgcc, winpthread) is linked in, as Qt is. Windows's own DLLs stay DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# The licences of that runtime and of MinGW-w64's start-up code, as Debian
# states them; they go with the program (packaging/windows.cmake).
set(KORVANEL_RUNTIME_LICENCES
    /usr/share/doc/mingw-w64-x86-64-dev/copyright
    /usr/share/doc/gcc-mingw-w64-base/copyright)
