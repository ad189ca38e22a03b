#!/usr/bin/env bash
# Installs what the build needs (idempotent) and builds the program, its tests
# and the delivered database into ./build. Sourced by run.sh and test.sh.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

packages=(cmake g++ qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libzip-dev sqlite3)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$top/build" -j "$(nproc)"

# The delivered database is built once from the USDA tables.
if [ ! -f "$top/build/sr18.mdb" ]; then
    # apt-get download needs the package lists; a fresh machine may have none.
    if ! apt-cache policy cronometer 2>/dev/null | grep -q 'Candidate: [0-9]'; then
        sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
        $sudo apt-get update -qq
    fi
    "$top/build/tools/alimetra-builddb" --output "$top/build/sr18.mdb"
fi
