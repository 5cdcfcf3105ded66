# Debian packages the program needs to build, run and test; sourced by
# scripts/run and scripts/test. Keep the README's list the same.
FASTORIO_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-translations-l10n
    fonts-liberation
    xvfb xauth openbox xdotool x11-apps x11-utils
    desktop-file-utils appstream dpkg-dev
    libxcb-damage0-dev
    dbus at-spi2-core python3-pyatspi
    clang-14 libclang-rt-14-dev llvm-14
)

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
