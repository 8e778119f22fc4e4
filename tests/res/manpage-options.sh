#!/usr/bin/env bash
# manpage-options.sh PROGRAM PAGE: every long option that "PROGRAM --help"
# mentions heads an entry under OPTIONS in the manual page PAGE, and every
# entry there is an option the help mentions, so the two cannot drift apart.
set -euo pipefail
program=$1 page=$2

help_text=$("$program" --help)
from_help=$(grep -o -- '--[a-z][a-z0-9-]*' <<<"$help_text" | sort -u)

# The tag lines of .TP entries between ".SH OPTIONS" and the next ".SH",
# with font changes and escaped hyphens made plain.
from_page=$(awk '
    /^\.SH/ { in_options = ($0 ~ /^\.SH "?OPTIONS"?$/); next }
    in_options && tag { print; tag = 0; next }
    in_options && /^\.TP/ { tag = 1 }
' "$page" | sed -e 's/\\f[BIRP]//g' -e 's/\\-/-/g' |
    grep -o -- '--[a-z][a-z0-9-]*' | sort -u)

status=0
if [[ -z $from_page ]]; then
    echo "FAIL: no option entries found under OPTIONS in $page"
    exit 1
fi
while read -r option; do
    echo "FAIL: $option is in --help but has no entry in $(basename "$page")"
    status=1
done < <(comm -23 <(echo "$from_help") <(echo "$from_page"))
while read -r option; do
    echo "FAIL: $(basename "$page") has an entry for $option, which --help does not list"
    status=1
done < <(comm -13 <(echo "$from_help") <(echo "$from_page"))
echo "$(wc -l <<<"$from_help") options of --help checked"
exit $status
