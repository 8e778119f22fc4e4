#!/usr/bin/env bash
# manpages-render.sh PAGE...: each manual page formats without a warning from
# man and groff (the same run lintian makes), and its NAME line is one that
# whatis/apropos can index ("name \- summary").
set -uo pipefail
status=0
for page in "$@"; do
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
        man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    if [[ -n $warnings ]]; then
        printf 'FAIL: %s:\n%s\n' "$page" "$warnings"
        status=1
    fi
    name=$(basename "$page" .1)
    name=${name//-/\\\\-}
    if ! awk '/^\.SH NAME/ { getline; print; exit }' "$page" | grep -Eq "^${name} \\\\- [a-z]"; then
        echo "FAIL: $page: NAME is not \"$(basename "$page" .1) \\- summary\""
        status=1
    fi
done
[[ $status == 0 ]] && echo "$# manual pages format cleanly"
exit $status
