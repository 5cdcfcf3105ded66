# Debian packages Fastorio needs, sourced by scripts/run, scripts/test and
# bench/run. Keep the README's lists the same.

# To build, install and run the program: the compiler and Qt, what Qt loads at
# run time (the X11 platform plugin, Qt's Italian texts), the font of the
# information row, and help2man with the Italian locale's sources for the
# manual page.
FASTORIO_RUN_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-qpa-plugins qt6-translations-l10n
    fonts-liberation
    help2man locales
)

# Only to test: displays, a window manager and a Wayland compositor with Qt's
# plugin for it, desktop and package checkers, the screen-reader stack and a
# real screen reader with its speech server, an iCalendar parser, poppler's
# tools that read the printed page, clang with its sanitizers, the lint gate's
# clang-tidy and clang-format. Names that Debian 12 and 13 both have: clang, llvm,
# libclang-rt-dev, clang-tidy and clang-format stand for each release's own
# version.
FASTORIO_TEST_PACKAGES=(
    xvfb xauth openbox xdotool x11-apps x11-utils
    weston qt6-wayland
    desktop-file-utils appstream dpkg-dev lintian man-db
    libxcb-damage0-dev
    dbus at-spi2-core python3-pyatspi orca speech-dispatcher
    python3-icalendar poppler-utils
    clang libclang-rt-dev llvm
    clang-tidy clang-format
)

FASTORIO_PACKAGES=("${FASTORIO_RUN_PACKAGES[@]}" "${FASTORIO_TEST_PACKAGES[@]}")

# scripts/test-on, to make a Debian root to test in.
FASTORIO_TEST_ON_PACKAGES=(debootstrap)

# Installs what is missing with apt when run as root; otherwise prints the
# command that would and stops.
ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    echo "Missing Debian packages: ${missing[*]}"
    if [ "$(id -u)" -eq 0 ]; then
        apt-get update
        DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
    else
        echo "Install them with:"
        echo "  sudo apt-get update && sudo apt-get install -y --no-install-recommends ${missing[*]}"
        exit 1
    fi
}
