# Shared by the scripts: the Debian packages the kiosk needs to build, test and run, installed
# when missing, the one build folder, and the fresh Debian roots (12 or 13) the checks build and
# install in.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${STOPWISE_BUILD:-$ROOT/build}

# The one list of what this project takes from Debian.
PACKAGES=(
    g++ cmake ninja-build pkg-config dpkg-dev file # compiler, build and packaging tools
    qt6-base-dev                                   # Qt 6 Widgets and Qt Test
    qt6-base-private-dev                           # the tests' touches, timed and cancelled
    libsystemd-dev                                 # sd_notify: the kiosk tells systemd it is drawn
    libwayland-dev                                 # the kiosk watches the seat's touch devices
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
    echo "Installing from Debian: ${missing[*]}"
    apt_get update -qq
    apt_get install -y -qq --no-install-recommends "${missing[@]}"
}

# How long apt_get waits for another package tool to finish: a fresh Debian runs its
# unattended upgrades on its first boot, which can take minutes.
APT_WAIT=600

# apt_get ARGUMENTS...: apt-get as root (through sudo when not), with no questions. While
# another package tool holds one of apt's or dpkg's locks, it says so, and tries again every 5
# seconds; it fails, saying who holds the lock, only after APT_WAIT seconds of that.
apt_get() {
    local sudo=() start=$SECONDS tried said status held waited=''
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    while :; do
        tried=$SECONDS status=0
        { said=$("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
            apt-get -o DPkg::Lock::Timeout=0 "$@" 2>&1 >&3) || status=$?; } 3>&1
        held=$(grep -m1 '^E: Could not get lock' <<<"$said" | sed 's/^E: //') || true
        if [ "$status" -eq 0 ] || [ -z "$held" ]; then
            [ -z "$said" ] || echo "$said" >&2
            [ -z "$waited" ] || echo "apt-get $1: went on after waiting $((tried - start)) s for the lock"
            return "$status"
        fi
        if [ $((SECONDS - start)) -ge "$APT_WAIT" ]; then
            echo "apt-get $1 FAILED: another package tool still holds the lock after" \
                "$((APT_WAIT / 60)) minutes: $held" >&2
            return "$status"
        fi
        [ -n "$waited" ] || echo "apt-get $1: waiting, up to $((APT_WAIT / 60)) minutes, for" \
            "another package tool: $held"
        waited=yes
        sleep 5
    done
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

# The Debian releases the kiosk is built and run on, and their numbers.
declare -A DEBIAN_NUMBER=([bookworm]=12 [trixie]=13)

host_release() { (. /etc/os-release && echo "${VERSION_CODENAME:-unknown}"); }

# read_check_arguments [RELEASE] [--keep]: sets RELEASE, the release to prove (this machine's
# when not named), and KEEP; fails on anything else.
read_check_arguments() {
    RELEASE='' KEEP=''
    local arg
    for arg in "$@"; do
        case $arg in
        --keep) KEEP=--keep ;;
        -*) return 2 ;;
        *) [ -n "${DEBIAN_NUMBER[$arg]:-}" ] && [ -z "$RELEASE" ] || return 2; RELEASE=$arg ;;
        esac
    done
    RELEASE=${RELEASE:-$(host_release)}
    [ -n "${DEBIAN_NUMBER[$RELEASE]:-}" ] ||
        { echo "this machine runs $RELEASE: name the release to prove, bookworm or trixie" >&2; return 2; }
}

# debian_mirror RELEASE: $MIRROR; else the mirror this machine's apt uses for RELEASE, or for
# its own release (one archive serves every release), or Debian's own.
debian_mirror() {
    local mirror=${MIRROR:-}
    [ -n "$mirror" ] || mirror=$(apt-get indextargets --format '$(REPO_URI)' 'Label: Debian' \
        "Codename: $1" 2>/dev/null | head -n 1)
    [ -n "$mirror" ] || mirror=$(apt-get indextargets --format '$(REPO_URI)' 'Label: Debian' \
        "Codename: $(host_release)" 2>/dev/null | head -n 1)
    echo "${mirror:-http://deb.debian.org/debian}"
}

# bootstrap_root ROOT LOG RELEASE [debootstrap options...]: a minimal Debian root of RELEASE
# from its mirror; on failure, the log's end.
bootstrap_root() {
    local root=$1 log=$2 release=$3 mirror
    shift 3
    mirror=$(debian_mirror "$release")
    echo "== a minimal Debian ${DEBIAN_NUMBER[$release]} ($release) root from $mirror"
    debootstrap --variant=minbase "$@" "$release" "$root" "$mirror" >"$log" ||
        { tail -n 20 "$log"; return 1; }
    cp /etc/resolv.conf "$root/etc/resolv.conf"
}

# in_chroot ROOT COMMAND...: runs a command in ROOT with /proc, /sys and /dev mounted, in a
# mount namespace of its own, so the mounts end with the command, whatever it leaves behind;
# with a root's own environment, none of this machine's.
in_chroot() {
    unshare --mount --propagation private sh -c '
        mount -t proc proc "$0/proc" && mount -t sysfs sysfs "$0/sys" &&
            mount --rbind /dev "$0/dev" && exec chroot "$0" "$@"' "$1" \
        env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root DEBIAN_FRONTEND=noninteractive \
        LC_ALL=C.UTF-8 "${@:2}"
}

# copy_source DEST: the committed source (HEAD), without build folders, into DEST.
copy_source() {
    mkdir -p "$1"
    git -C "$ROOT" archive --format=tar HEAD | tar -x -C "$1"
}

# packages_for RELEASE OUTDIR SCRATCH: the three Debian packages built for RELEASE, into OUTDIR.
# A package is built on the release it runs on: here when this machine runs RELEASE, else in a
# fresh root of RELEASE (in SCRATCH/build-root) from the committed source, with the packages
# of the list above. STOPWISE_PACKAGES=FOLDER takes those already built there instead (check-install
# --keep's out/, or another check's).
packages_for() {
    local release=$1 out=$2 root=$3/build-root
    if [ -n "${STOPWISE_PACKAGES:-}" ]; then
        mkdir -p "$out"
        cp "$STOPWISE_PACKAGES"/*.deb "$out/"
        return
    fi
    if [ "$release" = "$(host_release)" ]; then
        build_packages "$out"
        return
    fi
    bootstrap_root "$root" "$3/build-debootstrap.log" "$release"
    copy_source "$root/src"
    echo "== the packages, built in that root from $(git -C "$ROOT" rev-parse --short HEAD)"
    in_chroot "$root" bash -c 'source /src/scripts/common.sh && ensure_packages &&
        configure_and_build -DBUILD_TESTING=OFF && build_packages /out' >"$3/build.log" 2>&1 ||
        { tail -n 30 "$3/build.log"; return 1; }
    echo "  $(grep -c 'warning:' "$3/build.log" || true) compiler warnings; built with" \
        "$(in_chroot "$root" dpkg-query -W -f '${Package} ${Version}, ' g++ qt6-base-dev | sed 's/, $//')"
    mkdir -p "$out"
    cp "$root"/out/*.deb "$out/"
}

# remove_scratch SCRATCH ROOT KEEP: removes the scratch folder, or with KEEP=--keep says where
# its root stays. --one-file-system: never reach through a mount that did not come off.
remove_scratch() {
    if [ "$3" = --keep ]; then echo "root kept in $2"; else rm -rf --one-file-system "$1"; fi
}
