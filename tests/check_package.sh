#!/usr/bin/env bash
# Builds the three Debian packages in the build folder given and checks what they hold and
# need: the binary, stripped, with no private Qt symbol (which would pin the exact Qt build),
# with its debug information in stopwise-dbgsym beside it; the desktop entry, the icon, the
# user service, the manual page, the changelog and the copyright file; Qt 6 Widgets and the
# two font packages among its dependencies, none pinned to an exact version; a binary whose
# libraries all resolve once unpacked into a scratch root; stopwise-kiosk's system unit, its
# user, preset and maintainer scripts, and what it depends on; two services that
# systemd-analyze verifies without a word, both watched by systemd's watchdog, the kiosk
# session sandboxed to an exposure of 2.0 or less; and not one error or warning from lintian.
# What the kiosk session's units and maintainer scripts do (its user, what runs and as whom,
# the start at install, the enabling, the stop on removal, the purge) is proven where they run,
# on a booted machine: scripts/check-kiosk.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null)
deb=$(ls "$scratch"/out/stopwise_*.deb)
kiosk_deb=$(ls "$scratch"/out/stopwise-kiosk_*_all.deb)
dbgsym_deb=$(ls "$scratch"/out/stopwise-dbgsym_*.deb)
echo "packages: $(cd "$scratch/out" && echo *.deb)"

failures=0
expect() { # expect WHAT CONDITION...
    local what=$1; shift
    if "$@"; then echo "ok: $what"; else echo "MISSING: $what"; failures=$((failures + 1)); fi
}

contents=$(dpkg-deb --contents "$deb")
echo "$contents" | awk '{print "  " $6}'
for file in ./usr/bin/stopwise ./usr/share/applications/stopwise.desktop \
            ./usr/share/icons/hicolor/scalable/apps/stopwise.svg \
            ./usr/lib/systemd/user/stopwise.service ./usr/share/man/man1/stopwise.1.gz \
            ./usr/share/doc/stopwise/changelog.gz ./usr/share/doc/stopwise/copyright; do
    expect "$file" grep -qF " $file" <<<"$contents"
done

depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
for package in libqt6widgets6 fonts-liberation2 fonts-urw-base35; do
    expect "depends on $package" grep -qE "(^|, )$package( |,|$)" <<<"$depends"
done

root=$scratch/root
dpkg-deb --extract "$deb" "$root"
expect "the unpacked binary's libraries all resolve" \
    bash -c "! ldd '$root/usr/bin/stopwise' | grep -q 'not found'"
expect "the desktop entry starts the binary" grep -qx "Exec=stopwise" \
    "$root/usr/share/applications/stopwise.desktop"
# Qt's public interfaces only: a private symbol makes dpkg-shlibdeps pin the exact Qt build,
# and the package would not install after the release's next Qt update.
expect "no exact Qt pin in Depends" bash -c "! grep -qE '\(= ' <<<'$depends'"
expect "no private Qt symbol in the binary" \
    bash -c "! objdump -T '$root/usr/bin/stopwise' | grep -q Qt_6_PRIVATE_API"

# The binary ships without its debug information, which stays findable by build id.
kind=$(file -b "$root/usr/bin/stopwise")
expect "the binary is stripped" grep -qE ', stripped$' <<<"$kind"
build_id=$(sed -nE 's/.*BuildID\[sha1\]=([0-9a-f]{2})([0-9a-f]+).*/\1\/\2/p' <<<"$kind")
dpkg-deb --extract "$dbgsym_deb" "$scratch/dbgsym"
debug_file=$scratch/dbgsym/usr/lib/debug/.build-id/$build_id.debug
expect "stopwise-dbgsym holds the binary's debug information under its build id" \
    bash -c "[ -n '$build_id' ] && file -b '$debug_file' | grep -qF 'with debug_info'"

kiosk_contents=$(dpkg-deb --contents "$kiosk_deb")
echo "$kiosk_contents" | awk '{print "  " $6}'
for file in ./usr/lib/systemd/system/stopwise-kiosk.service \
            ./usr/lib/systemd/system/stopwise-kiosk-seat.service ./usr/lib/sysusers.d/stopwise-kiosk.conf \
            ./usr/lib/systemd/system-preset/80-stopwise-kiosk.preset \
            ./usr/share/doc/stopwise-kiosk/changelog.gz ./usr/share/doc/stopwise-kiosk/copyright; do
    expect "$file" grep -qF " $file" <<<"$kiosk_contents"
done
kiosk_depends=$(dpkg-deb --field "$kiosk_deb" Depends)
echo "stopwise-kiosk Depends: $kiosk_depends"
for package in "stopwise (= $(dpkg-deb --field "$deb" Version))" "cage (>= 0.2.0)" qt6-wayland libpam-systemd; do
    expect "stopwise-kiosk depends on $package" grep -qxF "$package" <<<"${kiosk_depends//, /$'\n'}"
done
dpkg-deb --extract "$kiosk_deb" "$root"
# Each service restarts what it runs whatever ended it, a second later, and never gives up.
unit=$root/usr/lib/systemd/user/stopwise.service
kiosk_unit=$root/usr/lib/systemd/system/stopwise-kiosk.service
seat_unit=$root/usr/lib/systemd/system/stopwise-kiosk-seat.service
for line in ExecStart=/usr/bin/stopwise WantedBy=graphical-session.target; do
    expect "the user service has $line" grep -qx "$line" "$unit"
done
# Each is alive for systemd only while the kiosk reports its frames.
for line in Restart=always RestartSec=1 StartLimitIntervalSec=0 Type=notify WatchdogSec=5 \
            TimeoutStartSec=10 TimeoutAbortSec=3; do
    expect "both services have $line" bash -c "grep -qx $line '$unit' && grep -qx $line '$kiosk_unit'"
done
# systemd-analyze checks that the commands exist and that the manual page in Documentation=
# opens, so the copies it checks start the unpacked binary and man looks in the unpacked pages.
# It warns of unknown keys and values and still succeeds, so any word it says is a failure.
mkdir "$scratch/verify"
for file in "$unit" "$kiosk_unit" "$seat_unit"; do
    sed "s| /usr/bin/stopwise| $root/usr/bin/stopwise|; s|=/usr/bin/stopwise\$|=$root/usr/bin/stopwise|" \
        "$file" >"$scratch/verify/$(basename "$file")"
done
verify_ok() { # verify_ok --user|--system UNIT
    local said
    said=$(XDG_RUNTIME_DIR=$scratch/verify MANPATH=$root/usr/share/man \
        systemd-analyze "$1" verify "$scratch/verify/$2" 2>&1) || { echo "$said"; return 1; }
    [ -z "$said" ] || { echo "$said"; return 1; }
}
expect "systemd-analyze verifies the user service" verify_ok --user stopwise.service
expect "systemd-analyze verifies the kiosk session" verify_ok --system stopwise-kiosk.service
expect "systemd-analyze verifies the seat's session" verify_ok --system stopwise-kiosk-seat.service

exposure=$(systemd-analyze security --offline=yes "$scratch/verify/stopwise-kiosk.service" 2>&1 |
    sed -n 's/^→ Overall exposure level for stopwise-kiosk.service: \([0-9.]*\) .*/\1/p')
echo "the kiosk session's exposure: ${exposure:-not found}"
expect "the kiosk session is sandboxed to an exposure of 2.0 or less" \
    awk -v score="$exposure" 'BEGIN { exit !(score != "" && score <= 2.0) }'

man_page=$(MANWIDTH=200 man -l "$root/usr/share/man/man1/stopwise.1.gz" 2>&1)
for words in "Phillips & Murray" "--full-screen" "the largest scale that fits" \
             "systemctl disable --now stopwise-kiosk" "systemctl --user enable --now stopwise"; do
    expect "the manual page tells: $words" grep -qF -- "$words" <<<"$man_page"
done

zcat "$root/usr/share/doc/stopwise/changelog.gz" >"$scratch/changelog"
expect "the changelog's latest entry is the package's version" \
    [ "$(dpkg-parsechangelog -l "$scratch/changelog" -S Version)" = \
      "$(dpkg-deb --field "$deb" Version)" ]

# Lintian also checks the copyright file's format, the descriptions, the manual page, the
# maintainer scripts, the md5sums and the compression of the compressed files. It warns root
# that it runs as root: not about the packages.
lintian_clean() {
    local said
    said=$(lintian --fail-on error,warning "$deb" "$kiosk_deb" "$dbgsym_deb" \
        2> >(grep -v 'running with root privileges' >&2)) || { echo "$said"; return 1; }
    [ -z "$said" ] || { echo "$said"; return 1; }
}
expect "lintian finds nothing in the three packages" lintian_clean

[ "$failures" -eq 0 ]
