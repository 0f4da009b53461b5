#!/usr/bin/env bash
# Builds the Debian package in the build folder given and checks what it holds and needs:
# the binary, stripped, with its debug information in the dbgsym package beside it; the
# desktop entry, the icon, the user service, the manual page, the changelog and the copyright
# file; Qt 6 Widgets and the two font packages among its dependencies; a binary whose
# libraries all resolve once unpacked into a scratch root; a service that systemd-analyze
# verifies without a word; and not one error or warning from lintian.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null)
deb=$(ls "$scratch"/out/stopwise_*.deb)
echo "package: $(basename "$deb")"

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

# The binary ships without its debug information, which stays findable by build id.
kind=$(file -b "$root/usr/bin/stopwise")
expect "the binary is stripped" grep -qE ', stripped$' <<<"$kind"
build_id=$(sed -nE 's/.*BuildID\[sha1\]=([0-9a-f]{2})([0-9a-f]+).*/\1\/\2/p' <<<"$kind")
dbgsym=$(dpkg-deb --contents "$scratch"/out/stopwise-dbgsym_*.ddeb 2>/dev/null || true)
expect "stopwise-dbgsym holds the binary's debug information" \
    grep -qF "./usr/lib/debug/.build-id/$build_id.debug" <<<"$dbgsym"

# The service restarts the kiosk whatever ended it, a second later, and never gives up.
unit=$root/usr/lib/systemd/user/stopwise.service
for line in ExecStart=/usr/bin/stopwise Restart=always RestartSec=1 StartLimitIntervalSec=0 \
            WantedBy=graphical-session.target; do
    expect "the service has $line" grep -qx "$line" "$unit"
done
# systemd-analyze checks that the command exists and that the manual page in Documentation=
# opens, so the copy it checks starts the unpacked binary and man looks in the unpacked pages.
# It warns of unknown keys and values and still succeeds, so any word it says is a failure.
mkdir "$scratch/verify"
sed "s|^ExecStart=/usr/bin/stopwise\$|ExecStart=$root/usr/bin/stopwise|" "$unit" \
    >"$scratch/verify/stopwise.service"
verify_ok() {
    local said
    said=$(XDG_RUNTIME_DIR=$scratch/verify MANPATH=$root/usr/share/man \
        systemd-analyze --user verify "$scratch/verify/stopwise.service" 2>&1) || {
        echo "$said"; return 1; }
    [ -z "$said" ] || { echo "$said"; return 1; }
}
expect "systemd-analyze verifies the service" verify_ok

man_page=$(MANWIDTH=200 man -l "$root/usr/share/man/man1/stopwise.1.gz" 2>&1)
for words in "Phillips & Murray" "takes no options and reads no files" \
             "systemctl --user enable --now stopwise" QT_QPA_PLATFORM QT_SCALE_FACTOR=2.5; do
    expect "the manual page tells: $words" grep -qF -- "$words" <<<"$man_page"
done

zcat "$root/usr/share/doc/stopwise/changelog.gz" >"$scratch/changelog"
expect "the changelog's latest entry is the package's version" \
    [ "$(dpkg-parsechangelog -l "$scratch/changelog" -S Version)" = \
      "$(dpkg-deb --field "$deb" Version)" ]

# Lintian also checks the copyright file's format, the description, the manual page and the
# compression of the compressed files. It warns root that it runs as root: not about the package.
lintian_clean() {
    local said
    said=$(lintian --fail-on error,warning "$deb" 2> >(grep -v 'running with root privileges' >&2)) \
        || { echo "$said"; return 1; }
    [ -z "$said" ] || { echo "$said"; return 1; }
}
expect "lintian finds no error and no warning" lintian_clean

[ "$failures" -eq 0 ]
