#!/usr/bin/env bash
# Starts the built program under Xvfb with Qt's accessibility bridge on and
# reads its tree over AT-SPI, as a screen reader would (scripts/atspi-tree.py):
# it prints the tabs and finds tab 2's grams box by its name. Installs what it
# needs (Xvfb, D-Bus, the AT-SPI bus, python3-pyatspi). Run after run.sh or
# test.sh has built the program:
#   scripts/atspi-check.sh
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}
missing=()
for p in xvfb xauth dbus at-spi2-core python3-pyatspi; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    as_root apt-get update -qq
    DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq "${missing[@]}"
fi
[ -x "$top/build/alimetra" ] || { echo "Build the program first (run.sh or test.sh)"; exit 1; }

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
export top folder
# One private session bus for the accessibility bus, the program and the reader.
dbus-run-session -- xvfb-run -a -s "-screen 0 1280x900x24" bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    launcher=$!
    sleep 1
    # Started as the alimetra command starts it, on a copy of the delivered
    # database in a scratch data folder.
    (source "$top/scripts/alimetra"
     XDG_DATA_HOME=$folder QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
         start_alimetra "$top/build/alimetra" "$top/build/sr18.mdb") &
    program=$!
    status=0
    /usr/bin/python3 "$top/scripts/atspi-tree.py" || status=$?
    kill $program $launcher 2>/dev/null || true
    wait 2>/dev/null || true
    exit $status'
