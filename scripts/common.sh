# Set-up shared by scripts/run, scripts/test and scripts/bench: the Debian
# packages the program and its checks need, then configure and build.
# Sourced, not run.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${KORVANEL_BUILD_DIR:-$root/build}

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    fonts-liberation2
    xvfb xauth imagemagick matchbox-window-manager
    at-spi2-core python3-pyatspi dbus-daemon xdotool
    desktop-file-utils appstream poppler-utils
    binutils-mingw-w64-x86-64 dpkg-dev file
    help2man lintian devscripts
)

ensure_packages() {
    local missing=() package
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing: ${missing[*]}"
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
            "${missing[@]}" >/dev/null
    else
        echo "Some packages are missing. Install them with:"
        echo "  sudo apt-get install ${missing[*]}"
        exit 1
    fi
}

configure_and_build() {
    local dir=$1
    shift
    cmake -S "$root" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir"
}
