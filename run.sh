#!/usr/bin/env bash
# Builds Alimetra (installing what it needs) and starts it on the delivered
# database, kept in the per-user data folder.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
source "$top/scripts/setup.sh" program
source "$top/scripts/alimetra"
start_alimetra "$top/build/alimetra" "$top/build/sr18.mdb" "$@"
