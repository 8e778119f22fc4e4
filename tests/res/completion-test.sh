#!/usr/bin/env bash
# Sources the bash completion of quillmere-convert and checks what it offers.
#   completion-test.sh options PROGRAM COMPLETION   option names and paths
#   completion-test.sh values PROGRAM COMPLETION    fixed values and presets;
#                                                   exits 77 (skipped) while
#                                                   the program has no
#                                                   --list-values
set -uo pipefail
mode=$1 program=$2 completion=$(realpath "$3")
[[ $program == */* ]] && program=$(realpath "$program")

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export HOME=$tmp XDG_CONFIG_HOME=$tmp/.config
mkdir -p "$tmp/photos" "$tmp/work"
touch "$tmp/photo one.jpg" "$tmp/work/--four.jpg"
cd "$tmp/work" || exit 1

# shellcheck source=/dev/null
source "$completion"
passed=0 failures=0

# check [-p PROGRAM] WORDS... => EXPECTED...: completing the last word of
# "PROGRAM WORDS..." offers exactly EXPECTED (in any order) and prints nothing
# on standard error.
check() {
    local prog=$program
    [[ $1 == -p ]] && { prog=$2; shift 2; }
    local -a words=() expected=()
    while [[ $1 != '=>' ]]; do words+=("$1"); shift; done
    shift
    expected=("$@")
    COMP_WORDS=("$prog" "${words[@]}")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _quillmere_convert "$prog" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}" \
        2>"$tmp/stderr"
    local got want
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sort)
    want=$(printf '%s\n' "${expected[@]}" | sort)
    if [[ $got != "$want" ]]; then
        printf 'FAIL: %s\n  offered: %s\n  wanted:  %s\n' "${words[*]@Q}" \
            "${COMPREPLY[*]@Q}" "${expected[*]@Q}"
        ((failures++))
    elif [[ -s $tmp/stderr ]]; then
        printf 'FAIL: %s printed on stderr: %s\n' "${words[*]@Q}" "$(cat "$tmp/stderr")"
        ((failures++))
    else
        ((passed++))
    fi
}

help_lists() { "$program" --help 2>/dev/null | grep -- "--$1\b" >/dev/null; }

case $mode in
options)
    check --fo '=>' --font --font-px --format
    check --st '=>' --stretch --strikeout
    check --no '=>' --no-enlarge --no-shrink-to-fit --no-rename
    # "--" is the value of --text here, not the end of the options.
    check --text -- --fo '=>' --font --font-px --format
    check -- --fo '=>' --four.jpg
    check "$tmp/ph" '=>' "$tmp/photos" "$tmp/photo one.jpg"
    check --output "$tmp/ph" '=>' "$tmp/photos"
    check -o "$tmp/ph" '=>' "$tmp/photos"
    check --output = "$tmp/ph" '=>' "$tmp/photos"
    check -W 10 "$tmp/ph" '=>' "$tmp/photos" "$tmp/photo one.jpg"
    check --width '' '=>'
    # A program without the listings (or whose listing fails): no values,
    # no error text in the terminal.
    older=$tmp/older-quillmere-convert
    cat >"$older" <<STUB
#!/usr/bin/env bash
case \$1 in
--list-values | --list-presets) echo "unknown option \$1" >&2; exit 2 ;;
--help) "$program" --help | grep -v -- '--list-' ;;
*) exec "$program" "\$@" ;;
esac
STUB
    chmod +x "$older"
    check -p "$older" --format '' '=>'
    check -p "$older" --flip=h '=>'
    broken=$tmp/broken-quillmere-convert
    cat >"$broken" <<STUB
#!/usr/bin/env bash
if [[ \$1 == --help ]]; then
    "$older" --help
    echo "      --list-values OPTION  the values of OPTION"
    exit 0
fi
echo "partial"
echo "listing failed" >&2
exit 1
STUB
    chmod +x "$broken"
    check -p "$broken" --format '' '=>'
    ;;
values)
    help_lists list-values || { echo "SKIP: $program has no --list-values yet"; exit 77; }
    "$program" --list-values format | grep -x png >/dev/null ||
        { echo "FAIL: --list-values format does not list png"; ((failures++)); }
    "$program" --list-values width >/dev/null 2>&1
    [[ $? == 2 ]] || { echo "FAIL: --list-values width should exit 2"; ((failures++)); }
    # Every option the program gives a fixed set is completed with exactly
    # that set, after a blank and after '='.
    fixed=0
    for name in $("$program" --help | grep -o -- '--[a-z][a-z0-9-]*' | sort -u); do
        name=${name#--}
        mapfile -t values < <("$program" --list-values "$name" 2>/dev/null) || continue
        ((${#values[@]})) || continue
        ((fixed++))
        check "--$name" '' '=>' "${values[@]}"
        check "--$name" = '=>' "${values[@]}"
        check "--$name=${values[0]}" '=>' "--$name=${values[0]}"
    done
    ((fixed >= 5)) || { echo "FAIL: only $fixed options list fixed values"; ((failures++)); }
    if help_lists list-presets; then
        mapfile -t presets < <("$program" --list-presets)
        check --preset '' '=>' "${presets[@]}"
    fi
    ;;
*)
    echo "usage: $0 options|values PROGRAM COMPLETION" >&2
    exit 2
    ;;
esac

echo "$passed passed, $failures failed"
((failures == 0))
