#!/usr/bin/env bash
# Checks the Debian package in dist/ as a user meets it: lintian (no errors),
# the desktop entry and AppStream validators on the files it ships, then
# installs it on this machine with apt-get, runs /usr/bin/quillmere-convert
# (version, a one-photo conversion with text drawn, the bash completion),
# finds the manual pages, and purges the package and whatever its install
# brought in, so that the machine is left as it was.
# Needs root or sudo. Builds the package first when dist/ has none.
set -euo pipefail
cd "$(dirname "$0")/.."

SUDO=
[ "$(id -u)" -ne 0 ] && SUDO=sudo
bash scripts/install-deps.sh --package

shopt -s nullglob
debs=(dist/quillmere_*.deb)
if ((${#debs[@]} == 0)); then
    make package
    debs=(dist/quillmere_*.deb)
fi
if ((${#debs[@]} != 1)); then
    echo "check-package: expected one dist/quillmere_*.deb, found ${#debs[@]}" >&2
    exit 1
fi
deb=${debs[0]}
version=$(dpkg-deb -f "$deb" Version)

tmp=$(mktemp -d)
added=()
cleanup() {
    if ((${#added[@]})); then
        echo "== purging ${added[*]}"
        $SUDO env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq "${added[@]}" >/dev/null
    fi
    rm -rf "$tmp"
}
trap cleanup EXIT

step() { printf '== %s\n' "$*"; }
fail() {
    echo "check-package: FAILED: $*" >&2
    exit 1
}

step "lintian $deb"
# Only lintian's own remark about running as root is dropped.
lintian --display-info --fail-on none "$deb" 2>&1 | grep -v '^running with root privileges' |
    tee "$tmp/lintian" || true
errors=$(grep -c '^E:' "$tmp/lintian" || true)
warnings=$(grep -c '^W:' "$tmp/lintian" || true)
echo "lintian: $errors errors, $warnings warnings"
((errors == 0)) || fail "lintian reports errors"

step "validators on the shipped files"
dpkg-deb -x "$deb" "$tmp/root"
desktop-file-validate "$tmp/root/usr/share/applications/quillmere.desktop" ||
    fail "desktop-file-validate"
appstreamcli validate-tree --no-net "$tmp/root" || fail "appstreamcli validate-tree"

if [[ $(dpkg-query -W -f='${db:Status-Abbrev}' quillmere 2>/dev/null) == ii* ]]; then
    fail "quillmere is installed already; remove it first, so that this check can leave the machine as it was"
fi
installed() { dpkg-query -W -f='${db:Status-Abbrev} ${binary:Package}\n' | awk '$1 == "ii" { print $2 }' | sort; }
installed >"$tmp/before"

step "apt-get install ./$deb"
status=0
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$deb" >"$tmp/apt.log" 2>&1 ||
    status=$?
installed >"$tmp/after"
mapfile -t added < <(comm -13 "$tmp/before" "$tmp/after")
((status == 0)) || { cat "$tmp/apt.log"; fail "apt-get install"; }
echo "installed: ${added[*]}"

step "/usr/bin/quillmere-convert --version"
got=$(/usr/bin/quillmere-convert --version)
echo "$got"
[[ $got == "quillmere-convert $version" ]] || fail "version is not $version"

step "shared libraries"
for program in /usr/bin/quillmere /usr/bin/quillmere-convert; do
    if ldd "$program" | grep 'not found'; then fail "$program lacks libraries"; fi
done
echo "every library found"

step "one photo through /usr/bin/quillmere-convert"
# A black photo with white text drawn on it: the text needs Qt's offscreen
# platform and a font from the installed dependencies.
mkdir -p "$tmp/home" "$tmp/out" && install -m 0700 -d "$tmp/runtime"
vips black "$tmp/photo.jpg" 320 240 --bands 3
run=$(HOME=$tmp/home XDG_CONFIG_HOME=$tmp/home/.config XDG_RUNTIME_DIR=$tmp/runtime \
    /usr/bin/quillmere-convert --quiet -o "$tmp/out" -f png -W 160 -H 90 --keep-aspect none \
    --text Quillmere --font-px 30 --color ffffff "$tmp/photo.jpg" | tail -n 1)
outputs=("$run"*.png)
((${#outputs[@]} == 1)) || fail "expected one PNG in '$run', found ${#outputs[@]}"
size=$(vipsheader -f width "${outputs[0]}")x$(vipsheader -f height "${outputs[0]}")
echo "${outputs[0]}: $size, mean $(vips avg "${outputs[0]}")"
[[ $size == 160x90 ]] || fail "the photo is $size, not 160x90"
vips max "${outputs[0]}" | awk '{ exit !($1 == 255) }' || fail "no text was drawn"

step "manual pages"
for page in quillmere quillmere-convert; do
    man -w "$page" || fail "man -w $page finds no page"
done

step "bash completion from /usr/share/bash-completion"
for mode in options values; do
    status=0
    bash tests/res/completion-test.sh "$mode" /usr/bin/quillmere-convert \
        /usr/share/bash-completion/completions/quillmere-convert || status=$?
    # 77: the program has no --list-values to complete values from.
    ((status == 0 || status == 77)) || fail "completion of $mode"
done

step "apt-get purge"
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq "${added[@]}" >/dev/null
added=()
installed >"$tmp/purged"
cmp -s "$tmp/before" "$tmp/purged" || fail "the installed packages differ from before"
[[ ! -e /usr/bin/quillmere-convert ]] || fail "/usr/bin/quillmere-convert is still there"
echo "removed; the installed packages are as before"

echo "check-package: $deb passed"
