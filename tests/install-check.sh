#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a user's desktop
# relies on: the layout, the menu entry and metadata (validated when the
# tools are there), and the launcher's first and second start.
#   tests/install-check.sh BUILD_DIR
set -euo pipefail
build=$1
id=org.alimetra.Alimetra
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/usr
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

for f in bin/alimetra libexec/alimetra/alimetra; do
    [ -x "$prefix/$f" ] || fail "$f is missing or not executable"
done
cmp -s "$build/sr18.mdb" "$prefix/share/alimetra/sr18.mdb" || fail "share/alimetra/sr18.mdb differs from the built database"
for f in share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/man/man1/alimetra.1.gz share/doc/alimetra/copyright; do
    [ -s "$prefix/$f" ] || fail "$f is missing"
done
# Each icon is a PNG of the size its folder names (width and height are the
# big-endian words at bytes 16 and 20).
for n in 16 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${n}x$n/apps/$id.png
    [ -f "$png" ] || fail "no ${n}px icon"
    size=$(od -An -tu1 -j16 -N8 "$png" | awk '{ print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8 }')
    [ "$size" = "${n}x$n" ] || fail "the ${n}px icon is $size"
done
grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop" || fail "the menu entry names another icon"

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
else
    echo "desktop-file-validate not installed: not run"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$tmp/as.log" 2>&1 ||
        { cat "$tmp/as.log"; fail "appstreamcli validate"; }
else
    echo "appstreamcli not installed: not run"
fi

# --version is answered without a display and without a data folder.
export XDG_DATA_HOME=$tmp/data HOME=$tmp/home
unset DISPLAY WAYLAND_DISPLAY
version=$(QT_QPA_PLATFORM=xcb "$prefix/bin/alimetra" --version | head -n 1)
[ "$version" = "Alimetra 1.1" ] || fail "--version printed '$version'"
[ ! -e "$tmp/data" ] || fail "--version made the data folder"

# Starts the installed command offscreen and stops it once the program has
# run for a second in the data folder; fails if it ended by itself.
data=$tmp/data/alimetra
start() {
    (cd / && QT_QPA_PLATFORM=offscreen exec "$prefix/bin/alimetra") >"$tmp/out.log" 2>&1 &
    local pid=$! i
    for i in $(seq 150); do
        [ "$(readlink "/proc/$pid/exe")" = "$prefix/libexec/alimetra/alimetra" ] &&
            [ -f "$data/errors.log" ] && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.2
    done
    sleep 1
    kill -0 "$pid" 2>/dev/null || { cat "$tmp/out.log"; fail "the $1 start ended by itself"; }
    kill "$pid"
    wait "$pid" || true
}
start first
cmp -s "$prefix/share/alimetra/sr18.mdb" "$data/sr18.mdb" || fail "no copy of the delivered database after the first start"
[ -f "$data/errors.log" ] || fail "the program did not run in the data folder"
[ ! -s "$data/errors.log" ] || { cat "$data/errors.log"; fail "errors.log is not empty"; }
# The lock that keeps one program per folder may stay after a kill.
[ "$(ls -A "$data" | grep -vx .alimetra.lock)" = "$(printf 'errors.log\nsr18.mdb')" ] ||
    fail "left in the data folder: $(ls -A "$data")"

# A start while one runs on the same folder hands over to it and ends at
# once, leaving the database and the log alone.
(cd / && QT_QPA_PLATFORM=offscreen exec "$prefix/bin/alimetra") >"$tmp/first.log" 2>&1 &
first=$!
for i in $(seq 150); do
    [ -e "$data/.alimetra.lock" ] && [ "$(readlink "/proc/$first/exe")" = "$prefix/libexec/alimetra/alimetra" ] && break
    sleep 0.2
done
sleep 1
state=$(stat -c '%i %Y %s' "$data/sr18.mdb" "$data/errors.log")
timeout 20 env QT_QPA_PLATFORM=offscreen "$prefix/bin/alimetra" >"$tmp/second.log" 2>&1 ||
    { cat "$tmp/second.log"; fail "the second start did not hand over and end"; }
kill -0 "$first" 2>/dev/null || { cat "$tmp/first.log"; fail "the first start ended"; }
[ "$(stat -c '%i %Y %s' "$data/sr18.mdb" "$data/errors.log")" = "$state" ] ||
    fail "the second start touched the database or the log"
kill "$first"
wait "$first" || true

# Second start: the user's database is the same file, not a new copy.
before=$(stat -c %i "$data/sr18.mdb")
start second
[ "$(stat -c %i "$data/sr18.mdb")" = "$before" ] || fail "the second start replaced the user's database"
# The launcher alone, with a program that only says where it was started:
# a relative XDG_DATA_HOME is ignored (the XDG rules), and first starts at
# the same time each find the whole database, leaving no temporary file.
source "$prefix/bin/alimetra"
delivered=$prefix/share/alimetra/sr18.mdb
printf '#!/bin/sh\necho "$(pwd) $*"\n' >"$tmp/where"
chmod +x "$tmp/where"
here=$( (cd "$tmp" && HOME=$tmp/home2 XDG_DATA_HOME=relative start_alimetra "$tmp/where" "$delivered" -x))
[ "$here" = "$tmp/home2/.local/share/alimetra --delivered $delivered -x" ] ||
    fail "a relative XDG_DATA_HOME gave $here"
[ ! -e "$tmp/relative" ] || fail "a relative XDG_DATA_HOME was used"
for round in 1 2 3 4 5 6 7 8 9 10; do
    rm -rf "$tmp/race"
    pids=()
    for side in 1 2; do
        (XDG_DATA_HOME=$tmp/race start_alimetra /bin/true "$delivered") 2>"$tmp/race-$side.log" &
        pids+=($!)
    done
    for side in 1 2; do
        wait "${pids[$((side - 1))]}" || { cat "$tmp/race-$side.log"; fail "round $round: a first start failed"; }
    done
    cmp -s "$delivered" "$tmp/race/alimetra/sr18.mdb" || fail "round $round: the database is not the delivered one"
    [ "$(ls -A "$tmp/race/alimetra")" = sr18.mdb ] || fail "round $round left $(ls -A "$tmp/race/alimetra")"
done
echo "install layout, validators and launcher: ok"
