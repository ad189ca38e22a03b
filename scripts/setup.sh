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
# driver and SQLite's header, libzip for the builder, Qt's translation tools
# (lrelease compiles the translations, lupdate checks them) and Qt's own
# translations (the buttons of message boxes in the user's language). The
# builder itself runs apt-get and dpkg-deb, which every Debian system has.
packages=(cmake make g++ pkg-config qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libsqlite3-dev libzip-dev
    qt6-l10n-tools qt6-translations-l10n)
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

# The delivered database is built from the USDA tables, once, and again when
# the builder or its data changed (the program then moves the user's data to
# it at the next start). The food package is fetched once and kept.
db=$top/build/sr18.mdb
stale=
if [ -f "$db" ]; then
    for source in "$top/build/tools/alimetra-builddb" "$top"/tools/data/*.csv; do
        [ "$source" -nt "$db" ] && stale=yes
    done
fi
if [ ! -f "$db" ] || [ -n "$stale" ]; then
    echo "Building the food database (a few seconds)"
    package=$(ls "$top"/build/cronometer_*.deb 2>/dev/null | head -n 1 || true)
    if [ -z "$package" ]; then
        # apt-get download needs the package lists; a fresh machine may have none.
        if ! apt-cache policy cronometer 2>/dev/null | grep -q 'Candidate: [0-9]'; then
            as_root apt-get update -qq
        fi
        (cd "$top/build" && apt-get download -q cronometer >/dev/null)
        package=$(ls "$top"/build/cronometer_*.deb | head -n 1)
    fi
    if ! "$top/build/tools/alimetra-builddb" --deb "$package" --output "$db"; then
        # A rebuild that fails leaves the database as it was.
        [ -n "$stale" ] || exit 1
        echo "The food database could not be rebuilt; the one built before stays" >&2
        touch "$db"
    fi
fi
