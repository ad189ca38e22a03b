#!/usr/bin/env bash
# Cold starts of the program as a person sees them: under Xvfb, with the page
# cache dropped before each start (where this user may: root), the time from
# the command to the first window on the screen (the splash) and to the main
# window (the splash's half second included), with the check of the data
# against the delivered database the launcher asks for. Both are titled "Alimetra 1.1";
# the main window is the wide one. Each run starts on a fresh copy of the
# database in a folder of its own. Prints every run and the medians.
#   bench/arranque-en-frio.sh [PROGRAM] [DATABASE] [RUNS]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$top/build/alimetra}
database=${2:-$top/build/sr18.mdb}
runs=${3:-5}
program=$(realpath "$program")
database=$(realpath "$database")
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || apt-get install -y -qq xvfb xdotool >/dev/null
done
# The program checks at start whether the data need the delivered database
# (as the launcher starts it); a release before that check has no option.
extra=()
if QT_QPA_PLATFORM=offscreen "$program" --help 2>/dev/null | grep -q -- --delivered; then
    extra=(--delivered "$database")
fi
tmp=$(mktemp -d)
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x900x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$tmp"' EXIT
sleep 1
export DISPLAY=$display

times=()
firsts=()
for run in $(seq "$runs"); do
    mkdir "$tmp/$run"
    cp "$database" "$tmp/$run/sr18.mdb"
    sync
    if [ -w /proc/sys/vm/drop_caches ]; then
        echo 3 >/proc/sys/vm/drop_caches
        cold=cold
    else
        cold="warm (no right to drop the page cache)"
    fi
    start=$(date +%s%N)
    (cd "$tmp/$run" && exec "$program" "${extra[@]}") >/dev/null 2>&1 &
    pid=$!
    first=""
    main=""
    while [ -z "$main" ]; do
        kill -0 "$pid" 2>/dev/null || { echo "run $run: the program ended" >&2; exit 1; }
        for w in $(xdotool search --onlyvisible --name '^Alimetra 1\.1$' 2>/dev/null); do
            now=$((($(date +%s%N) - start) / 1000000))
            if [ -z "$first" ]; then first=$now; fi
            width=$(xdotool getwindowgeometry "$w" 2>/dev/null | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p' || true)
            if [ "${width:-0}" -gt 700 ]; then main=$now; fi
        done
        sleep 0.005
    done
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    firsts+=("$first")
    times+=("$main")
    echo "run $run ($cold): first window after $first ms, main window after $main ms"
done
median() { printf '%s\n' "$@" | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
echo "median of $runs: first window $(median "${firsts[@]}") ms, main window $(median "${times[@]}") ms"
