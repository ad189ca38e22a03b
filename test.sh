#!/usr/bin/env bash
# Builds Alimetra and its delivered database (installing what they need) and
# runs every test.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
source "$top/scripts/setup.sh" all
export ALIMETRA_DB="$top/build/sr18.mdb"
cd "$top/build"
ctest --output-on-failure -j 2
