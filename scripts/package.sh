#!/usr/bin/env bash
# Builds the Debian package build/alimetra_1.1_amd64.deb (installing what it
# needs): the program and the delivered database as run.sh builds them, then
# CPack with dependencies computed by dpkg-shlibdeps.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
source "$top/scripts/setup.sh" program

# dpkg-shlibdeps (dpkg-dev) and file, which CPack uses to find the binaries.
missing=()
for p in dpkg-dev file; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq "${missing[@]}"
fi

# The manual page and changelog are compressed at build time.
cmake --build "$top/build" --target alimetra_paquete >/dev/null
cd "$top/build"
cpack -G DEB >cpack.log 2>&1 || { cat cpack.log; exit 1; }
echo "Package written: build/$(ls alimetra_*.deb)"
