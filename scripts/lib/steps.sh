# Timing, a runner of scenarios and photo comparisons for scripts/check-machine, written to the
# same names and meanings as scripts/lib/check.sh on the kiosk-check branch: once that library
# is on main, check-machine sources it instead and this file goes. Sourced after common.sh.

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

# fail WHAT...: says what failed and fails; in a scenario it ends the scenario.
fail() {
    echo "  $*"
    return 1
}

# run_scenarios AFTER LIST: runs the scenarios named in LIST, one a line: "FUNCTION TITLE",
# each in a subshell of its own with errexit on, so that nothing it sets reaches the next;
# AFTER (a function) then undoes whatever it left changed. Prints "== TITLE" before each and
# its verdict and time after it, and at the end how many failed; fails if any did.
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
        echo "${#failed[@]} of $count scenarios failed: ${failed[*]}"
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
