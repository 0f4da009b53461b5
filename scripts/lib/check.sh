# What every check of the kiosk on a machine shares, whatever the machine is (a booted
# container, a virtual machine): the time a step takes, a runner of scenarios that prints each
# one's verdict and time, a photo compared with a reviewed image, and a wait until the picture
# is back. Sourced after common.sh. Nothing here knows how the machine is reached: the
# functions that photograph it or look into it are passed in by name.

# The photo check: finds the screens' extent near a photo's middle and compares it with a
# reviewed image, in one line (tools/photo).
PHOTO_CHECK=$BUILD/tools/photo/stopwise-photo-check

# now_us: the time now, in microseconds, from bash's own clock.
now_us() {
    local now=${EPOCHREALTIME//[!0-9]/}
    echo $((10#$now))
}

# tenths_since START_US: the tenths of a second since START_US (from now_us).
tenths_since() { echo $((($(now_us) - $1) / 100000)); }

# seconds TENTHS: TENTHS of a second written as seconds, "12.3".
seconds() { echo "$(($1 / 10)).$(($1 % 10))"; }

# fail WHAT...: says what failed, in capitals where it matters, and fails; in a scenario its
# failure ends the scenario (`step || fail "NOT ..."`).
fail() {
    echo "  $*"
    return 1
}

# run_scenarios AFTER LIST: runs the scenarios named in LIST, one a line: "FUNCTION TITLE".
# Each runs in a subshell of its own with errexit on, so that nothing it sets reaches the next
# and its first failing command ends it; AFTER (a function) then undoes whatever it left
# changed. Prints "== TITLE" before each, and its verdict and time after it; at the end, how
# many failed. Fails if any did. Call it as a command of its own, never in a condition (if,
# ||, &&, !): bash ignores errexit in everything a condition runs, subshells included.
run_scenarios() {
    local after=$1 name title start status count=0 failed=()
    while read -r name title; do
        [ -n "$name" ] || continue
        echo "== $title"
        start=$(now_us)
        set +e
        (
            set -e
            "$name"
        ) </dev/null
        status=$?
        "$after" || status=1
        set -e
        count=$((count + 1))
        if [ "$status" -eq 0 ]; then
            echo "-- $name: passed, $(seconds "$(tenths_since "$start")") s"
        else
            echo "-- $name: FAILED, $(seconds "$(tenths_since "$start")") s"
            failed+=("$name")
        fi
    done <<<"$2"
    if [ ${#failed[@]} -gt 0 ]; then
        echo "FAILED: ${#failed[@]} of $count scenarios: ${failed[*]}"
        return 1
    fi
    echo "all $count scenarios passed"
}

# photo_matches PHOTO REFERENCE: the photo check's line about PHOTO, indented; fails when the
# photo does not show REFERENCE.
photo_matches() {
    local said status=0
    said=$("$PHOTO_CHECK" "$1" "$2" 2>&1) || status=$?
    echo "  $said"
    return "$status"
}

# shows PHOTO REFERENCE: quietly, whether PHOTO shows REFERENCE.
shows() { "$PHOTO_CHECK" "$1" "$2" >/dev/null 2>&1; }

# picture_back LIMIT PHOTOGRAPH PHOTO REFERENCE CONDITION...: waits up to LIMIT seconds until
# CONDITION (a command) holds and the photo PHOTOGRAPH takes (`PHOTOGRAPH PHOTO`) shows
# REFERENCE. Prints the tenths of a second it took; fails, printing nothing, after LIMIT.
picture_back() {
    local limit=$(($1 * 10)) photograph=$2 photo=$3 reference=$4 start
    shift 4
    start=$(now_us)
    while [ "$(tenths_since "$start")" -lt "$limit" ]; do
        if "$@" && "$photograph" "$photo" 2>/dev/null && shows "$photo" "$reference"; then
            tenths_since "$start"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# until_true LIMIT COMMAND...: runs COMMAND every tenth of a second until it succeeds, for up
# to LIMIT seconds; fails if it never did.
until_true() {
    local start
    start=$(now_us)
    until "${@:2}"; do
        [ "$(tenths_since "$start")" -lt $(($1 * 10)) ] || return 1
        sleep 0.1
    done
}

# kiosk_refused INSTALLING FOLDER: on Debian 12 apt must refuse the kiosk session, whose cage
# (0.1.4) loses every touch, and say that cage is why. INSTALLING runs a command on the
# machine; FOLDER there holds the packages. Prints apt's reason.
kiosk_refused() {
    local said
    if said=$("$1" sh -c "apt-get update -qq && cd $2 &&
        apt-get install -y -q --no-install-recommends ./stopwise_*.deb ./stopwise-kiosk_*.deb" 2>&1); then
        fail "the kiosk session INSTALLED on Debian 12"
    fi
    grep -E 'Depends:|^E:' <<<"$said" | sed 's/^ */  /'
    grep -q 'Depends: cage (>= 0.2.0)' <<<"$said" || fail "refused, but NOT for cage"
    ! "$1" dpkg-query -W stopwise-kiosk >/dev/null 2>&1 || fail "stopwise-kiosk LEFT on the machine"
}
