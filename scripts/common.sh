# Shared by the scripts: the Debian packages the kiosk needs to build, test and run, installed
# when missing, the one build folder, and the fresh Debian 12 roots the checks install into.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${STOPWISE_BUILD:-$ROOT/build}

# The one list of what this project takes from Debian.
PACKAGES=(
    g++ cmake ninja-build pkg-config dpkg-dev file # compiler, build and packaging tools
    qt6-base-dev                                   # Qt 6 Widgets and Qt Test
    qt6-base-private-dev                           # Qt's high-DPI scaling, set from the screen
    libsystemd-dev                                 # sd_notify: the kiosk tells systemd it is drawn
    libfreetype-dev                                # FreeType's version, recorded with the screen images
    fonts-liberation2                              # Liberation Sans, with Arial's metrics
    fonts-urw-base35                               # Nimbus Mono PS and Sans Narrow: the keys' faces
    xvfb xauth                                     # a virtual display for screenshots and the screen-reader test
    dbus-daemon at-spi2-core                       # a private session bus and accessibility bus for that test
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

# build_packages OUTDIR: the three Debian packages of the build, into OUTDIR.
build_packages() {
    (cd "$BUILD" && cpack -G DEB -B "$1" >/dev/null)
}

# bootstrap_root ROOT LOG [debootstrap options...]: a minimal Debian 12 root from the mirror
# this machine's apt uses for bookworm, or $MIRROR; on failure, the log's end.
bootstrap_root() {
    local root=$1 log=$2 mirror
    shift 2
    mirror=${MIRROR:-$(apt-get indextargets --format '$(REPO_URI)' 'Origin: Debian' 'Codename: bookworm' |
        head -n 1)}
    [ -n "$mirror" ] || { echo "no bookworm mirror in apt's lists; set MIRROR" >&2; return 2; }
    echo "== a minimal Debian 12 root from $mirror"
    debootstrap --variant=minbase "$@" bookworm "$root" "$mirror" >"$log" ||
        { tail -n 20 "$log"; return 1; }
    cp /etc/resolv.conf "$root/etc/resolv.conf"
}

# remove_scratch SCRATCH ROOT KEEP: removes the scratch folder, or with KEEP=--keep says where
# its root stays. --one-file-system: never reach through a mount that did not come off.
remove_scratch() {
    if [ "$3" = --keep ]; then echo "root kept in $2"; else rm -rf --one-file-system "$1"; fi
}
