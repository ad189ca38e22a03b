#!/usr/bin/env bash
# Fails when a text of the program has no translation: the catalogue is made
# again from the sources (into a scratch copy) and every text left
# unfinished is named.
#   check-translations.sh LUPDATE CATALOGUE FOLDER...   (run from the sources' top)
set -euo pipefail
lupdate=$1 catalogue=$2
shift 2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
copy=$scratch/$(basename "$catalogue")
cp "$catalogue" "$copy"
"$lupdate" -silent -no-obsolete -locations none -I . -source-language en -target-language es \
    "$@" -ts "$copy"
missing=$(grep -c 'type="unfinished"' "$copy" || true)
if [ "$missing" -gt 0 ]; then
    echo "$missing text(s) without a translation in $(basename "$catalogue"):"
    # The source text of each unfinished message, one per line.
    awk '/<source>/ { s = $0 } /type="unfinished"/ { print "  " s }' "$copy" |
        sed -e 's/ *<source>//' -e 's/<\/source>//'
    echo "Run: cmake --build build --target update-translations, then translate them."
    exit 1
fi
echo "Every text has its translation ($(grep -c '<message' "$copy") texts)."
