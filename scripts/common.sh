# Shared by scripts/run and scripts/test: the Debian packages the kiosk needs to build,
# test and run, installed when missing, and the one build folder both use.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${STOPWISE_BUILD:-$ROOT/build}

# The one list of what this project takes from Debian.
PACKAGES=(
    g++ cmake ninja-build pkg-config dpkg-dev file # compiler, build and packaging tools
    qt6-base-dev                                   # Qt 6 Widgets and Qt Test
    fonts-liberation2                              # Liberation Sans, with Arial's metrics
    fonts-urw-base35                               # Nimbus Mono PS and Sans Narrow: the keys' faces
    xvfb xauth                                     # a virtual display for screenshots
    systemd man-db                                 # systemd-analyze and man, to check the service
    lintian                                        # Debian's checker of the package
    debootstrap                                    # a fresh Debian root for scripts/check-install
    cage                                           # the kiosk session's compositor: systemd-analyze
                                                   # checks the session's command exists
    systemd-container                              # systemd-nspawn boots scripts/check-kiosk's root
)

ensure_packages() {
    local missing=() pkg
    for pkg in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "ok installed" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing from Debian: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# configure_and_build [extra cmake arguments...]
configure_and_build() {
    cmake -S "$ROOT" -B "$BUILD" -G Ninja "$@"
    cmake --build "$BUILD" --parallel
}
