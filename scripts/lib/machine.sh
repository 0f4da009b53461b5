# What scripts/check-machine needs to run the stop's machine in QEMU: its base image (a fresh
# Debian root with its own kernel, made once and kept), a run on a copy-on-write overlay of
# it, QMP for the screen and the keyboard, the guest agent to act inside, and a touchscreen in
# the guest. Sourced after common.sh.

MACHINE_CACHE=${STOPWISE_MACHINE_CACHE:-/var/cache/stopwise-machine}
MACHINE_AGENT=$ROOT/scripts/lib/machine-agent
# The stop's screen: the mode virtio-gpu offers the guest's kernel as its preferred one.
MACHINE_WIDTH=1280 MACHINE_HEIGHT=720

# What a fresh stop's machine is before the kiosk: a minimal Debian that boots with systemd,
# its own kernel, and the guest agent and a finger (python3-evdev, for uinput) for the check.
# No desktop, no polkit. Changing this list makes the next run build the image again.
machine_recipe() {
    echo "minbase systemd-sysv udev dbus kmod iproute2 linux-image-amd64 initramfs-tools zstd" \
        "qemu-guest-agent python3-evdev recipe-1"
}

# machine_image RELEASE: the folder of RELEASE's base image (disk.raw, vmlinuz, initrd.img),
# built when missing or made from another recipe. Prints the folder on stdout, what it does
# on stderr.
machine_image() {
    local release=$1 dir=$MACHINE_CACHE/$1
    if [ "$(cat "$dir/recipe" 2>/dev/null)" = "$(machine_recipe)" ]; then
        echo "$dir"
        return
    fi
    echo "== the base image of a fresh Debian ${DEBIAN_NUMBER[$release]} ($release), kept in $dir" >&2
    local work
    work=$(mktemp -d /var/tmp/stopwise-image.XXXXXX)
    build_machine_root "$release" "$work/root" "$work/mmdebstrap.log" >&2 &&
        machine_disk "$work/root" "$work" >&2 || { rm -rf --one-file-system "$work"; return 1; }
    rm -rf "$dir" && mkdir -p "$dir"
    mv "$work/disk.raw" "$work/vmlinuz" "$work/initrd.img" "$dir/"
    machine_recipe >"$dir/recipe"
    rm -rf --one-file-system "$work"
    echo "$dir"
}

# build_machine_root RELEASE ROOT LOG: the root, with a static address on QEMU's user network
# (10.0.2.15, the gateway and resolver QEMU offers) through systemd-networkd, and root on the
# first virtio disk.
build_machine_root() {
    local release=$1 root=$2 log=$3 mirror packages
    mirror=$(debian_mirror "$release")
    packages=$(machine_recipe | tr ' ' '\n' | grep -vE '^(minbase|recipe-.*)$' | paste -sd,)
    echo "  mmdebstrap --variant=minbase --include=$packages $release from $mirror"
    mmdebstrap --variant=minbase --include="$packages" \
        --customize-hook='echo stop >"$1/etc/hostname"' \
        --customize-hook='echo "/dev/vda / ext4 rw,errors=remount-ro 0 1" >"$1/etc/fstab"' \
        --customize-hook='printf "[Match]\nName=eth0\n\n[Network]\nAddress=10.0.2.15/24\nGateway=10.0.2.2\nDNS=10.0.2.3\n" >"$1/etc/systemd/network/10-eth0.network"' \
        --customize-hook='chroot "$1" systemctl enable systemd-networkd' \
        --customize-hook='echo "nameserver 10.0.2.3" >"$1/etc/resolv.conf"' \
        "$release" "$root" "$mirror" >"$log" 2>&1 || { tail -n 20 "$log"; return 1; }
}

# machine_disk ROOT WORK: WORK/disk.raw, an ext4 file system of ROOT (sparse, 4 GiB), and the
# root's kernel and initial RAM disk beside it, which QEMU boots directly.
machine_disk() {
    cp "$(ls "$1"/boot/vmlinuz-* | tail -n 1)" "$2/vmlinuz"
    cp "$(ls "$1"/boot/initrd.img-* | tail -n 1)" "$2/initrd.img"
    mkfs.ext4 -q -L stop -d "$1" "$2/disk.raw" 4G
    echo "  disk: $(du -h --apparent-size "$2/disk.raw" | cut -f1) ($(du -h "$2/disk.raw" | cut -f1) used)," \
        "kernel $(basename "$(ls "$1"/boot/vmlinuz-*)")"
}

# machine_files_disk FOLDER DISK: DISK, an ext4 file system holding FOLDER's files, which the
# guest mounts to take the run's packages and tools (its second virtio disk, /dev/vdb).
machine_files_disk() {
    local size
    size=$(($(du -sm "$1" | cut -f1) + 32))
    mkfs.ext4 -q -L files -d "$1" "$2" "${size}M"
}

# machine_start RUN IMAGE: boots the base image's kernel on RUN/disk.qcow2, a copy-on-write
# overlay of the base image made afresh, with RUN/files.img as a second disk. TCG on two cores;
# virtio-gpu offers MACHINE_WIDTH x MACHINE_HEIGHT; the PS/2 keyboard stays for SysRq; the
# user network reaches Debian's mirror; QMP on RUN/qmp.sock, the guest agent on RUN/qga.sock,
# the serial console in RUN/console.log, QEMU's pid in RUN/qemu.pid.
machine_start() {
    local run=$1 image=$2
    qemu-img create -q -f qcow2 -F raw -b "$image/disk.raw" "$run/disk.qcow2"
    qemu-system-x86_64 -machine pc,accel=tcg -cpu max -smp 2 -m 2048 \
        -kernel "$image/vmlinuz" -initrd "$image/initrd.img" \
        -append "root=/dev/vda rw console=ttyS0 net.ifnames=0 nowatchdog" \
        -drive file="$run/disk.qcow2",if=virtio,format=qcow2 \
        -drive file="$run/files.img",if=virtio,format=raw \
        -vga none -device virtio-gpu-pci,xres=$MACHINE_WIDTH,yres=$MACHINE_HEIGHT -display none \
        -netdev user,id=net0 -device virtio-net-pci,netdev=net0 \
        -chardev socket,id=qmp,path="$run/qmp.sock",server=on,wait=off -mon chardev=qmp,mode=control \
        -chardev socket,id=qga,path="$run/qga.sock",server=on,wait=off \
        -device virtio-serial-pci -device virtserialport,chardev=qga,name=org.qemu.guest_agent.0 \
        -serial file:"$run/console.log" -pidfile "$run/qemu.pid" -daemonize
}

# machine_stop RUN: ends RUN's QEMU, if it still runs.
machine_stop() {
    local pid
    pid=$(cat "$1/qemu.pid" 2>/dev/null) || return 0
    kill "$pid" 2>/dev/null || return 0
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.1; done
    kill -KILL "$pid" 2>/dev/null || true
}

# in_guest RUN SECONDS COMMAND...: runs a command in RUN's guest as root, through its agent.
in_guest() {
    python3 "$MACHINE_AGENT" exec "$1/qga.sock" "$2" /usr/bin/env -i \
        PATH=/usr/sbin:/usr/bin:/sbin:/bin LC_ALL=C.UTF-8 DEBIAN_FRONTEND=noninteractive "${@:3}"
}

# qmp RUN COMMAND [ARGUMENTS-JSON]: a QMP command to RUN's QEMU.
qmp() { python3 "$MACHINE_AGENT" qmp "$1/qmp.sock" "${@:2}"; }

# machine_packages: what check-machine needs on this machine besides the project's own list:
# QEMU, its disk tool and mmdebstrap, installed from Debian when missing.
machine_packages() {
    local missing=() pkg
    for pkg in qemu-system-x86 qemu-utils mmdebstrap e2fsprogs python3; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "ok installed" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing from Debian: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
