#!/usr/bin/env bash
# Fails when a source file includes a file of a higher floor, or when data
# code includes a Qt Widgets or Gui header. Each floor is a folder; from the
# bottom:
#   0 storage/                                  the database and the log
#   1 profiles/                                 the profiles' data
#   2 catalogue/, evaluation/                   the foods' and the evaluation's data
#   3 resources/, windows/common/               what every window uses
#   4 windows/profiles/, windows/catalogue/,    each subsystem's tabs and dialogs,
#     windows/evaluation/, windows/splash/      the splash window
#   5 windows/main/                             the main window
#   6 main.cpp
# A file may include files of its own floor or below.
#   scripts/check-layers.sh [SOURCE_FOLDER]
set -euo pipefail
top=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$top"

floor() {
    case "$1" in
    storage/*) echo 0 ;;
    profiles/*) echo 1 ;;
    catalogue/* | evaluation/*) echo 2 ;;
    resources/* | windows/common/*) echo 3 ;;
    windows/profiles/* | windows/catalogue/* | windows/evaluation/* | windows/splash/*) echo 4 ;;
    windows/main/*) echo 5 ;;
    main.cpp) echo 6 ;;
    *) echo "" ;;
    esac
}

# Where Qt's Widgets and Gui headers are, to tell them from Core and Sql ones.
qt=$(ls -d /usr/include/*/qt6 /usr/include/qt6 2>/dev/null | head -1 || true)

faults=0
files=$(find storage profiles catalogue evaluation resources windows main.cpp \
    -name '*.h' -o -name '*.cpp' | sort)
for file in $files; do
    mine=$(floor "$file")
    [ -n "$mine" ] || { echo "$file: no floor known for it"; faults=$((faults + 1)); continue; }
    while IFS= read -r line; do
        if [[ $line =~ ^#include\ \"([^\"]+)\" ]]; then
            target=${BASH_REMATCH[1]}
            theirs=$(floor "$target")
            if [ -z "$theirs" ]; then
                echo "$file: includes $target, which belongs to no floor"
                faults=$((faults + 1))
            elif [ "$theirs" -gt "$mine" ]; then
                echo "$file (floor $mine) includes $target (floor $theirs)"
                faults=$((faults + 1))
            fi
        elif [[ $line =~ ^#include\ \<(Q[A-Za-z]+)\> ]] && [ "$mine" -le 2 ] && [ -n "$qt" ]; then
            header=${BASH_REMATCH[1]}
            if [ -e "$qt/QtWidgets/$header" ] || [ -e "$qt/QtGui/$header" ]; then
                echo "$file: data code includes the widget header <$header>"
                faults=$((faults + 1))
            fi
        fi
    done <"$file"
done

if [ "$faults" -gt 0 ]; then
    echo "$faults include(s) against the floors"
    exit 1
fi
echo "floors hold: $(echo "$files" | wc -l) files checked"
