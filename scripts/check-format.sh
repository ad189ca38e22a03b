#!/usr/bin/env bash
# Fails when a C++ source differs from what clang-format makes of it with the
# repository's .clang-format. Format one in place with: clang-format -i FILE
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
mapfile -t files < <(find . \( -path './build*' -o -path './.git' \) -prune -o \
    \( -name '*.cpp' -o -name '*.h' \) -print | sort)
clang-format --dry-run --Werror "${files[@]}"
echo "format holds: ${#files[@]} files checked"
