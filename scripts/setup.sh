#!/usr/bin/env bash
# Installs what the build needs (idempotent), builds into ./build and builds
# the delivered database once. Sourced by run.sh (the program and the
# database builder only) and test.sh (everything: also tests and benchmarks).
#   source scripts/setup.sh program|all
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
what=${1:-all}

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Everything the build calls: the compiler, make (CMake's generator),
# pkg-config (finds libzip), the Qt libraries and tools (moc, rcc), the SQLite
# driver and SQLite's header, libzip for the builder. The builder itself runs apt-get and dpkg-deb,
# which every Debian system has.
packages=(cmake make g++ pkg-config qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libsqlite3-dev libzip-dev)
# The tests also check the format of the sources, and the install test
# validates the menu entry and the AppStream metadata.
[ "$what" = program ] || packages+=(clang-format desktop-file-utils appstream)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq "${missing[@]}"
fi

# Configured once; later builds re-run CMake by themselves when a
# CMakeLists.txt changes.
if [ ! -f "$top/build/CMakeCache.txt" ]; then
    cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
if [ "$what" = program ]; then
    [ -x "$top/build/alimetra" ] || echo "Building Alimetra (about 1-2 minutes on first run)"
    cmake --build "$top/build" -j "$(nproc)" --target alimetra alimetra-builddb >"$top/build/build.log" 2>&1 ||
        { cat "$top/build/build.log"; exit 1; }
else
    echo "Building Alimetra, its tests and benchmarks (about 3 minutes on first run)"
    cmake --build "$top/build" -j "$(nproc)"
fi

# The delivered database is built once from the USDA tables.
if [ ! -f "$top/build/sr18.mdb" ]; then
    echo "Building the food database (a few seconds)"
    # apt-get download needs the package lists; a fresh machine may have none.
    if ! apt-cache policy cronometer 2>/dev/null | grep -q 'Candidate: [0-9]'; then
        as_root apt-get update -qq
    fi
    "$top/build/tools/alimetra-builddb" --output "$top/build/sr18.mdb"
fi
