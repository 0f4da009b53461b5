#!/usr/bin/env bash
# with_screen_reader.sh PROGRAM...: runs a test program as a screen reader meets the kiosk,
# headless: on a virtual X display of its own, on a private session bus where the
# accessibility bus is started, with Qt's accessibility bridge always on. Used by CTest for
# tst_accessibility.
if [ -z "${STOPWISE_ON_PRIVATE_BUS:-}" ]; then
    # Xvfb picks a free display and names it once it accepts clients. It must not reset when
    # its first client (the accessibility bus setting its address) leaves, or the test
    # program can find it closing.
    display=$(mktemp)
    Xvfb -displayfd 3 -nolisten tcp -noreset 3>"$display" 2>/dev/null &
    xvfb=$!
    while kill -0 "$xvfb" 2>/dev/null && [ ! -s "$display" ]; do sleep 0.05; done
    DISPLAY=:$(cat "$display") STOPWISE_ON_PRIVATE_BUS=1 QT_QPA_PLATFORM=xcb \
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 dbus-run-session -- bash "${BASH_SOURCE[0]}" "$@"
    status=$?
    kill "$xvfb"
    wait "$xvfb" 2>/dev/null
    rm -f "$display"
    exit "$status"
fi
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
launcher=$!
"$@"
status=$?
kill "$launcher"
exit "$status"
