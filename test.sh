#!/usr/bin/env bash
# Builds Alimetra and its delivered database (installing what they need) and
# runs every check: the format of the sources, the whole test suite, and the
# whole test suite again in a Debug build under AddressSanitizer and
# UndefinedBehaviorSanitizer. ALIMETRA_QUICK=1 skips that second build.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
source "$top/scripts/setup.sh" all
# Both builds test the one delivered database.
export ALIMETRA_DB="$top/build/sr18.mdb"

echo "== Format of the sources"
"$top/scripts/check-format.sh"

echo "== Tests"
(cd "$top/build" && ctest --output-on-failure -j "$(nproc)")

if [ "${ALIMETRA_QUICK:-0}" = 1 ]; then
    exit 0
fi
echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer (Debug build)"
sanitizers="-fsanitize=address,undefined -fno-omit-frame-pointer"
if [ ! -f "$top/build-asan/CMakeCache.txt" ]; then
    cmake -S "$top" -B "$top/build-asan" -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_FLAGS="$sanitizers" -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" >/dev/null
fi
cmake --build "$top/build-asan" -j "$(nproc)"
# The install test packs the delivered database from its own build folder.
cp -p "$top/build/sr18.mdb" "$top/build-asan/sr18.mdb"
export ASAN_OPTIONS=detect_leaks=1
# use_tls=0: this toolchain's LeakSanitizer crashes reading the dynamic
# thread-local storage of libraries the tests load and unload (its tracer
# stops on "DTLS" with signal 11), so thread-local blocks are not scanned as
# roots; the system libraries' own leaks are listed in the suppression file.
export LSAN_OPTIONS="suppressions=$top/scripts/lsan.supp:print_suppressions=0:use_tls=0"
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
(cd "$top/build-asan" && ctest --output-on-failure -j "$(nproc)")
