# Qt for Windows, built once from Debian's qtbase source and the vendored
# Qt SVG into a cache outside the clone, keyed by Qt's version and this
# configuration. Sourced by scripts/windows, not run.

qt_version=6.4.2
qt_cache_root=${KORVANEL_WINDOWS_CACHE:-/var/cache/korvanel}
qtsvg_tarball=${KORVANEL_VENDOR_DIR:-$root/../shared/vendor}/qtsvg-everywhere-src-$qt_version.tar.xz
qtsvg_sha256=b7f5c33044bc14926e9d7f3de46591e84ea943bb937592a5258fdfbd7f392cc6

# A static build: one korvanel.exe with Qt inside, nothing else to ship but
# the licence texts. Debian's source leaves out src/3rdparty/wintab, which
# tablet support needs; -no-opengl (INPUT_opengl=no) also turns off
# dynamicgl, which the windows platform plugin cannot build without OpenGL.
# Left out as well, so that a cold CI run fits its time: the Direct2D
# platform (the windows one compiled a second time), the GIF, ICO and JPEG
# image plugins and Markdown; the program reads PNG and SVG alone. Without
# Direct2D, DirectWrite goes too: Qt 6.4 builds its DirectWrite font
# database only beside Direct2D, yet the windows platform links it whenever
# DirectWrite is on. The program draws its text with FreeType anyway.
qt_configure_options=(
    -DBUILD_SHARED_LIBS=OFF
    -DCMAKE_BUILD_TYPE=Release
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF
    -DINPUT_opengl=no -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    -DFEATURE_vulkan=OFF -DFEATURE_tabletevent=OFF
    -DFEATURE_direct2d=OFF -DFEATURE_directwrite=OFF -DFEATURE_directwrite3=OFF
    -DFEATURE_gif=OFF -DFEATURE_ico=OFF -DFEATURE_jpeg=OFF
    -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF
    -DFEATURE_system_jpeg=OFF -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_doubleconversion=OFF
    -DFEATURE_system_libb2=OFF
)

# What Qt is built with: its version, these options, the compiler and the
# toolchain file's part for Qt (down to its "Korvanel alone" line; below it
# are settings Qt never sees, which may change without a new Qt build).
qt_key() {
    {
        echo "$qt_version"
        printf '%s\n' "${qt_configure_options[@]}"
        sed -e '/^# --- Korvanel alone/q' -e '/^#/d' -e '/^$/d' "$root/cmake/mingw-w64-x86_64.cmake"
        x86_64-w64-mingw32-g++-posix --version | head -1
    } | sha256sum | cut -c1-12
}

qt_prefix() {
    echo "$qt_cache_root/qt-$qt_version-mingw64-$(qt_key)"
}

ensure_deb_src() {
    local list=/etc/apt/sources.list.d/korvanel-src.sources
    apt-get indextargets --format '$(CREATED_BY)' 2>/dev/null | grep -qx Sources && return 0
    [ -f "$list" ] && return 0
    echo "Adding a deb-src entry for Debian's Qt source: $list"
    cat >"$list" <<SRC
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
    apt-get update -qq
}

# The licence texts a static Qt brings into a program: Qt's LGPL and the
# notices of the third-party code compiled into it, from the sources in work.
qt_licences() {
    local work=$1 prefix=$2
    mkdir -p "$prefix/licenses" &&
    cp "$work/qtbase/LICENSES/LGPL-3.0-only.txt" "$prefix/licenses/" &&
    cmake -DVERSION="$qt_version" -DOUTPUT="$prefix/licenses/THIRD-PARTY.txt" \
        -DSOURCES="$work/qtbase;$work/qtsvg-everywhere-src-$qt_version" \
        -P "$root/scripts/windows-qt-notices.cmake"
}

# <log> <command...>: the command's output into the log; should it fail,
# the log's end and where the whole of it is.
logged() {
    local log=$1
    shift
    "$@" >"$log" 2>&1 && return 0
    tail -n 30 "$log" >&2
    echo "Qt for Windows: failed: $*; the whole log is $log" >&2
    return 1
}

# Builds Qt into $(qt_prefix) unless it is there already. Only a finished
# build is marked complete; a build that stopped half-way is started again.
build_qt_for_windows() {
    local lock status=0
    # One build per key at a time: a second run (another clone's CI) waits
    # for the first and then reuses what it built. The lock is let go here,
    # not left to what runs after (Wine's server would keep it).
    mkdir -p "$qt_cache_root"
    exec {lock}>"$qt_cache_root/.lock-$(qt_key)"
    if ! flock -n "$lock"; then
        echo "Qt $qt_version for Windows: waiting for the build already running into $(qt_prefix)"
        flock "$lock"
    fi
    build_qt_unless_cached || status=$?
    exec {lock}>&-
    return "$status"
}

build_qt_unless_cached() {
    local prefix work started
    prefix=$(qt_prefix)
    if [ -f "$prefix/.complete" ]; then
        echo "Qt $qt_version for Windows: reusing $prefix"
        return 0
    fi
    if [ ! -f "$qtsvg_tarball" ]; then
        echo "Qt SVG's source is not at $qtsvg_tarball; put it there, or name its" \
             "folder in KORVANEL_VENDOR_DIR" >&2
        return 1
    fi
    echo "$qtsvg_sha256  $qtsvg_tarball" | sha256sum -c --quiet \
        || { echo "$qtsvg_tarball is not Qt SVG $qt_version as vendored" >&2; return 1; }
    started=$(date +%s)
    echo "Qt $qt_version for Windows: building into $prefix (about an hour on 2 cores)"
    work=$qt_cache_root/work-$(qt_key)
    rm -rf "$work" "$prefix"
    mkdir -p "$work" || return 1

    ensure_deb_src || return 1
    (cd "$work" && logged "$work/source.log" apt-get source qt6-base) || return 1
    mv "$work"/qt6-base-"$qt_version"*/ "$work/qtbase" || return 1
    tar -C "$work" -xf "$qtsvg_tarball" || return 1

    logged "$work/configure-qtbase.log" \
        cmake -S "$work/qtbase" -B "$work/build-qtbase" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_INSTALL_PREFIX="$prefix" "${qt_configure_options[@]}" || return 1
    logged "$work/build-qtbase.log" cmake --build "$work/build-qtbase" || return 1
    logged "$work/install-qtbase.log" cmake --install "$work/build-qtbase" || return 1

    logged "$work/configure-qtsvg.log" "$prefix/bin/qt-cmake" \
        -S "$work/qtsvg-everywhere-src-$qt_version" -B "$work/build-qtsvg" -G Ninja || return 1
    logged "$work/build-qtsvg.log" cmake --build "$work/build-qtsvg" || return 1
    logged "$work/install-qtsvg.log" cmake --install "$work/build-qtsvg" || return 1
    logged "$work/licences.log" qt_licences "$work" "$prefix" || return 1

    echo "built $(date -u +%FT%TZ) in $(($(date +%s) - started)) s" >"$prefix/.complete"
    rm -rf "$work"
    echo "Qt $qt_version for Windows: built in $(($(date +%s) - started)) s"
}
