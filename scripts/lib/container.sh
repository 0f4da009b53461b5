# A Debian root booted as a machine of its own (systemd-nspawn, with systemd as its init), and
# commands run inside it, for scripts/check-kiosk. Sourced after common.sh.
#
# What the machine is lives in files of a folder of the check's (MACHINE, set once by the
# script): its root, and the process ids of nspawn and of the machine's init, which change at
# each boot. So a reboot in one scenario is seen by the next.

# container_lock: waits until no other check has a container booted. Without a service manager
# of its own, this machine puts every booted root in its one control group (--keep-unit),
# where two containers' systemd would build and fight over one tree.
container_lock() {
    exec 9>/run/lock/stopwise-container.lock
    flock -n 9 || { echo "== waiting for another check's container to end"; flock 9; }
}

# container_boot ROOT: boots ROOT and waits until its systemd has started everything it starts;
# says what runs as PID 1 and the system's state.
container_boot() {
    local root=$1 nspawn leader='' child state=''
    mkdir -p "$MACHINE"
    echo "$root" >"$MACHINE/root"
    systemd-nspawn --register=no --keep-unit --boot -D "$root" --console=passive \
        >>"$MACHINE/boot.log" 2>&1 &
    nspawn=$!
    echo "$nspawn" >"$MACHINE/nspawn"
    # The machine's PID 1 is the child of nspawn that runs systemd (nspawn may first fork a
    # helper of its own).
    for _ in $(seq 100); do
        for child in $(cat "/proc/$nspawn/task/$nspawn/children" 2>/dev/null); do
            [ "$(cat "/proc/$child/comm" 2>/dev/null)" = systemd ] && leader=$child
        done
        [ -n "$leader" ] && break
        sleep 0.1
    done
    [ -n "$leader" ] || { cat "$MACHINE/boot.log"; return 1; }
    echo "$leader" >"$MACHINE/leader"
    for _ in $(seq 100); do
        state=$(in_machine systemctl is-system-running --wait 2>/dev/null) && break
        [ "$state" = degraded ] && break
        sleep 0.2
    done
    echo "  PID 1: $(in_machine cat /proc/1/comm), the system: ${state:-not up}"
}

# machine_root: the booted root's folder, as this machine sees it.
machine_root() { cat "$MACHINE/root"; }

# machine_leader: the process id of the machine's init, as this machine sees it.
machine_leader() { cat "$MACHINE/leader"; }

# in_machine COMMAND...: runs a command inside the booted machine, in its init's namespaces,
# with a plain environment of its own.
in_machine() {
    nsenter --target "$(machine_leader)" --all env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin \
        LC_ALL=C.UTF-8 DEBIAN_FRONTEND=noninteractive "$@"
}

# container_wait_end: waits up to a minute for nspawn to end (after a reboot or a power-off
# from inside).
container_wait_end() {
    local nspawn
    nspawn=$(cat "$MACHINE/nspawn")
    for _ in $(seq 300); do kill -0 "$nspawn" 2>/dev/null || break; sleep 0.2; done
    wait "$nspawn" 2>/dev/null || true
}

# container_reboot: reboots the machine from inside and boots its root again.
container_reboot() {
    in_machine systemctl reboot || true
    container_wait_end
    container_boot "$(machine_root)"
}

# container_stop: shuts the machine down if it runs (nspawn turns TERM into a clean shutdown,
# and takes its mounts with it), killing it after 20 s.
container_stop() {
    local nspawn
    [ -f "$MACHINE/nspawn" ] || return 0
    nspawn=$(cat "$MACHINE/nspawn")
    kill "$nspawn" 2>/dev/null || return 0
    for _ in $(seq 100); do kill -0 "$nspawn" 2>/dev/null || return 0; sleep 0.2; done
    kill -KILL "$nspawn" 2>/dev/null || true
}

# journal_cursor: a mark in the machine's journal, for journal_since.
journal_cursor() {
    in_machine journalctl --no-pager --quiet --lines=1 --output=cat --show-cursor |
        sed -n 's/^-- cursor: //p'
}

# journal_since CURSOR JOURNALCTL_OPTIONS...: the messages of the machine's journal after the
# mark, as plain lines.
journal_since() {
    in_machine journalctl --no-pager --quiet --output=cat --after-cursor="$1" "${@:2}"
}
