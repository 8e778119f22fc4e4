#!/usr/bin/env bash
# Prints which source folders include which (with the number of includes),
# one edge a line: "core/run -> core/model 12". With --check, exits 1 and
# names a loop when the folders include each other in a cycle.
#   scripts/include-graph.sh [--check] [SRC]
set -euo pipefail
check=0
if [ "${1:-}" = --check ]; then check=1; shift; fi
src=$(cd "${1:-$(dirname "$0")/../src}" && pwd)
roots=("$src/core" "$src/bitmap" "$src/gui" "$src/cli")

edges=$(
  find "$src" -name '*.h' -o -name '*.cpp' | sort | while read -r file; do
    dir=$(dirname "$file")
    from=${dir#"$src"/}
    # A file without quoted includes is no failure.
    { grep -oE '^#include "[^"]+"' "$file" || true; } | sed 's/^#include "//; s/"$//' | while read -r inc; do
      for root in "$dir" "${roots[@]}"; do
        if [ -f "$root/$inc" ]; then
          to=$(dirname "$root/$inc")
          to=$(cd "$to" && pwd)
          to=${to#"$src"/}
          if [ "$to" != "$from" ]; then echo "$from $to"; fi
          break
        fi
      done
    done
  done | sort | uniq -c | awk '{print $2 " -> " $3 " " $1}'
)
echo "$edges"
[ $check = 1 ] || exit 0
if ! loops=$(echo "$edges" | awk '{print $1, $3}' | tsort 2>&1 >/dev/null) || [ -n "$loops" ]; then
  echo "The folders include each other in a cycle:" >&2
  echo "$loops" >&2
  exit 1
fi
