#!/usr/bin/env bash
# Proves the two README commands on a minimal Debian 12: builds a
# `debootstrap --variant=minbase bookworm` system in a folder, clones this
# repository's committed main into it, runs ./test.sh there, then ./run.sh
# until the program has opened its window (offscreen; nothing is shown).
#
# With --package it also builds the Debian package with scripts/package.sh in
# another clean clone, installs it with apt-get on an untouched copy of the
# minimal system, starts it twice as an ordinary user with an empty home, and
# removes it again.
#
#   sudo scripts/fresh-machine-check.sh [--package] [FOLDER]
#
# FOLDER defaults to /var/tmp/alimetra-fresh and is created anew each run
# (FOLDER-install too, with --package).
# Needs root (debootstrap, chroot) and the network to Debian's mirror.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
package=no
if [ "${1-}" = --package ]; then
    package=yes
    shift
fi
root=${1:-/var/tmp/alimetra-fresh}
clean=$root-install

if [ "$(id -u)" -ne 0 ]; then
    echo "Run this as root: it builds and enters a chroot." >&2
    exit 1
fi
command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap

cleanup() {
    for r in "$root" "$clean"; do
        for m in dev/pts dev proc sys; do
            mountpoint -q "$r/$m" && umount -l "$r/$m"
        done
    done
    return 0
}
trap cleanup EXIT

cleanup
rm -rf "$root" "$clean"
echo "== debootstrap --variant=minbase bookworm into $root"
start=$(date +%s)
# Debian's default mirror unless DEBIAN_MIRROR names another.
debootstrap --variant=minbase bookworm "$root" ${DEBIAN_MIRROR:+"$DEBIAN_MIRROR"} >"$root.debootstrap.log" 2>&1 ||
    { tail -20 "$root.debootstrap.log"; exit 1; }
echo "   done in $(($(date +%s) - start)) s"
# The machine the package is installed on has had nothing built on it.
[ "$package" = no ] || cp -a "$root" "$clean"

enter() {
    mount -t proc proc "$1/proc"
    mount --rbind /sys "$1/sys"
    mount --rbind /dev "$1/dev"
    cp /etc/resolv.conf "$1/etc/resolv.conf"
}
enter "$root"

# The committed state only: what a clean clone gets.
git clone -q "$top" "$root/root/alimetra"

in_chroot() {
    chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        bash -c "cd /root/alimetra && $1"
}

# Starts ./run.sh (offscreen: nothing is shown) and waits until the program
# itself runs and stays up for 3 s, then stops it. Prints the seconds taken.
run_until_window() {
    local t0 pid
    t0=$(date +%s)
    in_chroot "QT_QPA_PLATFORM=offscreen exec ./run.sh" >>"$root.run.log" 2>&1 &
    pid=$!
    until pgrep -f '^/root/alimetra/build/alimetra( |$)' >/dev/null; do
        kill -0 "$pid" 2>/dev/null || { echo "   ./run.sh ended early:"; tail -5 "$root.run.log"; return 1; }
        sleep 0.2
    done
    local up=$(($(date +%s) - t0))
    sleep 3
    pgrep -f '^/root/alimetra/build/alimetra( |$)' >/dev/null ||
        { echo "   the program did not stay up"; return 1; }
    pkill -f '^/root/alimetra/build/alimetra( |$)'
    wait "$pid" || true
    [ -f "$root/root/.local/share/alimetra/sr18.mdb" ] ||
        { echo "   no database in the data folder"; return 1; }
    echo "   window up after $up s"
}

: >"$root.run.log"
echo "== ./run.sh on the clean clone"
run_until_window

echo "== ./test.sh"
start=$(date +%s)
set +e
in_chroot "./test.sh" 2>&1 | tee "$root.test.log" | tail -15
status=${PIPESTATUS[0]}
set -e
echo "   ./test.sh exit status $status after $(($(date +%s) - start)) s"
[ "$status" -eq 0 ] || exit 1

echo "== ./run.sh again, nothing changed"
run_until_window

if [ "$package" = yes ]; then
    echo "== scripts/package.sh on another clean clone"
    git clone -q "$top" "$root/root/alimetra-pkg"
    start=$(date +%s)
    in_chroot "cd ../alimetra-pkg && scripts/package.sh" >"$root.package.log" 2>&1 ||
        { tail -20 "$root.package.log"; exit 1; }
    echo "   done in $(($(date +%s) - start)) s"

    echo "== apt-get install ./alimetra_1.1_amd64.deb on an untouched minimal system"
    enter "$clean"
    cp "$root/root/alimetra-pkg/build/alimetra_1.1_amd64.deb" "$top/scripts/package-check.sh" "$clean/tmp/"
    start=$(date +%s)
    chroot "$clean" /usr/bin/env -i HOME=/root TERM=dumb \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        bash /tmp/package-check.sh /tmp/alimetra_1.1_amd64.deb </dev/null 2>&1 |
        tee "$root.install.log" | grep '^[=!]' || true
    grep -q '^== package check passed' "$root.install.log" || exit 1
    echo "   done in $(($(date +%s) - start)) s"
fi
echo "== fresh-machine check passed"
