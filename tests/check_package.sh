#!/usr/bin/env bash
# Builds the Debian package in the build folder given and checks what it holds and needs:
# the binary, the desktop entry and the icon; Qt 6 Widgets and the two font packages among
# its dependencies; and, unpacked into a scratch root, a binary whose libraries all resolve.
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
            ./usr/share/icons/hicolor/scalable/apps/stopwise.svg; do
    expect "$file" grep -qF " $file" <<<"$contents"
done

depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
for package in libqt6widgets6 fonts-liberation2 fonts-urw-base35; do
    expect "depends on $package" grep -qE "(^|, )$package( |,|$)" <<<"$depends"
done

dpkg-deb --extract "$deb" "$scratch/root"
expect "the unpacked binary's libraries all resolve" \
    bash -c "! ldd '$scratch/root/usr/bin/stopwise' | grep -q 'not found'"
expect "the desktop entry starts the binary" grep -qx "Exec=stopwise" \
    "$scratch/root/usr/share/applications/stopwise.desktop"

[ "$failures" -eq 0 ]
