#!/usr/bin/env bash
# manpage-values.sh PROGRAM PAGE: the manual page's entry of each option
# names the values the program takes, so that the page cannot drift from the
# program's tables:
# - an option with a fixed set ("PROGRAM --list-values NAME"): every value
#   listed is set in bold in its entry, and every bold word there is one the
#   program accepts for that option;
# - an option whose --help line states a range ("1 to 100"): its entry
#   states the same range ("from 1 to 100").
set -euo pipefail
program=$1 page=$2

# One line per entry under OPTIONS: "NAME^_|bold|words|^_plain text", with
# the unit separator ^_ between the fields.
# Font changes and roff escapes are made plain; a bold word is an argument
# of .B (or a bold one of .BR, .RB) or text inside \fB...\fR.
entries=$(awk '
    function plain(s) { gsub(/\\-/, "-", s); gsub(/\\f[BIRP]/, "", s); gsub(/\\[(]aq/, "\x27", s); return s }
    function args(s, out,   n, q, c, i, word) {
        n = 0; q = 0; word = ""
        for (i = 1; i <= length(s); i++) {
            c = substr(s, i, 1)
            if (c == "\"") { q = !q; continue }
            if (c == " " && !q) { if (word != "") out[++n] = word; word = ""; continue }
            word = word c
        }
        if (word != "") out[++n] = word
        return n
    }
    function flush() { if (name != "") printf "%s\037%s|\037%s\n", name, bold, text; name = "" }
    /^\.SH/ { flush(); in_options = ($0 ~ /^\.SH "?OPTIONS"?$/); next }
    !in_options { next }
    /^\.(TP|SS)/ { flush(); tag = ($0 ~ /^\.TP/); next }
    tag {
        tag = 0
        line = plain($0)
        if (match(line, /--[a-z][a-z0-9-]*/)) name = substr(line, RSTART + 2, RLENGTH - 2)
        bold = ""; text = ""
        next
    }
    name == "" { next }
    {
        line = $0
        if (line ~ /^\.(B|BR|RB) /) {
            macro = substr(line, 2, index(line, " ") - 2)
            n = args(substr(line, length(macro) + 3), a)
            for (i = 1; i <= n; i++) {
                if (macro == "B" || (macro == "BR" && i % 2 == 1) || (macro == "RB" && i % 2 == 0))
                    bold = bold "|" plain(a[i])
                text = text " " plain(a[i])
            }
            next
        }
        if (line ~ /^\./) next
        rest = line
        while (match(rest, /\\fB[^\\]*\\f[RP]/)) {
            bold = bold "|" plain(substr(rest, RSTART + 3, RLENGTH - 6))
            rest = substr(rest, RSTART + RLENGTH)
        }
        text = text " " plain(line)
    }
    END { flush() }
' "$page")

# The description of each option in --help, one line each: "NAME<TAB>text".
help_lines=$("$program" --help | awk '
    /^ +-/ {
        if (name != "") print name "\t" text
        match($0, /--[a-z][a-z0-9-]*/); name = substr($0, RSTART + 2, RLENGTH - 2)
        text = substr($0, 29); next
    }
    name != "" && substr($0, 1, 28) ~ /^ +$/ && length($0) > 28 { text = text " " substr($0, 29); next }
    { if (name != "") print name "\t" text; name = "" }
    END { if (name != "") print name "\t" text }
')

status=0
fail() { echo "FAIL: --$1: $2"; status=1; }
checked=0
while IFS=$'\037' read -r name bold text; do
    checked=$((checked + 1))
    if values=$("$program" --list-values "$name" 2>/dev/null); then
        while read -r value; do
            [[ $bold == *"|$value|"* ]] || fail "$name" "the page does not list '$value'"
        done <<<"$values"
        IFS='|' read -ra words <<<"${bold#|}"
        given=()
        for word in "${words[@]}"; do
            # Options and phrases ("--size fixed") are no values.
            [[ -z $word || $word == -* || $word == *" "* ]] || given+=("$word")
        done
        # All at once, and one by one only to name a refused one.
        if ((${#given[@]})) && ! "$program" "${given[@]/#/--$name=}" --help >/dev/null 2>&1; then
            for word in "${given[@]}"; do
                "$program" "--$name=$word" --help >/dev/null 2>&1 ||
                    fail "$name" "the page lists '$word', which the program refuses"
            done
        fi
        continue
    fi
    described=$(awk -F '\t' -v n="$name" '$1 == n { print $2 }' <<<"$help_lines")
    range='([-0-9.]+) to ([-0-9.]+)'
    if [[ $described =~ $range ]]; then
        wanted="${BASH_REMATCH[1]} to ${BASH_REMATCH[2]%.}"
        from_range='from ([-0-9.]+)( \([^)]*\))? to ([-0-9.]+)'
        if [[ $text =~ $from_range ]]; then
            stated="${BASH_REMATCH[1]} to ${BASH_REMATCH[3]%.}"
            [[ $stated == "$wanted" ]] || fail "$name" "the page states $stated, the program takes $wanted"
        else
            fail "$name" "the page states no range; the program takes $wanted"
        fi
    fi
done <<<"$entries"
if ((checked == 0)); then
    echo "FAIL: no option entries found under OPTIONS in $page"
    exit 1
fi
echo "$checked entries of $(basename "$page") checked"
exit $status
