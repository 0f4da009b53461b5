#!/usr/bin/env bash
# with_screen_reader.sh PROGRAM...: runs a test program as a screen reader meets the kiosk,
# headless: on a virtual X display, on a private session bus where the accessibility bus is
# started, with Qt's accessibility bridge always on. Used by CTest for tst_accessibility.
if [ -z "${STOPWISE_SCREEN_READER:-}" ]; then
    export STOPWISE_SCREEN_READER=1 QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    exec xvfb-run -a dbus-run-session -- bash "${BASH_SOURCE[0]}" "$@"
fi
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
launcher=$!
"$@"
status=$?
kill "$launcher"
wait "$launcher" 2>/dev/null
exit "$status"
