#!/usr/bin/env bash
# Builds Alimetra (installing what it needs) and starts it on the delivered
# database, kept in the per-user data folder.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
source "$top/scripts/setup.sh" program

data="${XDG_DATA_HOME:-$HOME/.local/share}/alimetra"
mkdir -p "$data"
# Never overwrite a database that may hold someone's profiles.
if [ ! -f "$data/sr18.mdb" ]; then
    # Copied under another name first, so that an interrupted copy is never
    # taken for the real database.
    cp "$top/build/sr18.mdb" "$data/.sr18.mdb.part"
    mv "$data/.sr18.mdb.part" "$data/sr18.mdb"
fi
cd "$data"
exec "$top/build/alimetra"
