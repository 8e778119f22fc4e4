#!/usr/bin/env bash
# Checks the Debian package in dist/ as a user meets it: lintian (no errors),
# the desktop entry and AppStream validators on the files it ships, then
# installs it on this machine with apt-get, runs /usr/bin/quillmere-convert
# (version, a one-photo conversion with text drawn, the bash completion),
# finds the manual pages and the translations, runs a preset's right-click
# action on a folder of photos as a file manager does, and purges the package
# and whatever its install brought in, so that the machine is left as it was.
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

# check_preset_action ROOT WORK: Dolphin's "Convert with a preset…" on a
# folder of three photos, on an English and then a German desktop, its
# command taken from the installed service menu under ROOT ("" for the
# system), with the user picking the preset "Web 2048" in the list that pops
# up and a notify-send that keeps what it shows.
check_preset_action() {
    local root=$1 work=$2
    mkdir -p "$work/home" "$work/bin" "$work/Trip" && install -m 0700 -d "$work/runtime"
    for i in 1 2 3; do vips black "$work/Trip/IMG_000$i.jpg" $((200 + i)) 150 --bands 3; done
    printf '#!/bin/sh\necho "Web 2048"\n' >"$work/bin/zenity"
    printf '#!/bin/sh\nprintf "%%s\\n" "$@" >"%s/notified"\n' "$work" >"$work/bin/notify-send"
    chmod +x "$work/bin/zenity" "$work/bin/notify-send"
    local -a user=(env HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
        XDG_RUNTIME_DIR="$work/runtime" PATH="$work/bin:$PATH" XDG_CURRENT_DESKTOP=GNOME)
    "${user[@]}" "$root/usr/bin/quillmere-convert" --quiet --save-preset "Web 2048" -f jpg \
        --size long-edge --long-edge 100 || fail "the preset could not be saved"
    local exec
    exec=$(sed -n '/^\[Desktop Action preset\]/,/^\[/s/^Exec=//p' \
        "$root/usr/share/kio/servicemenus/quillmere.desktop")
    [[ $exec == *" %F" ]] || fail "the service menu's preset command is '$exec'"
    # The file manager puts the selection in place of %F.
    "${user[@]}" ${exec% %F} "$work/Trip" || fail "the preset action failed"
    [[ -s $work/notified ]] || fail "no notification was sent"
    cat "$work/notified"
    grep -q "^Quillmere: Web 2048$" "$work/notified" || fail "the notification does not name the preset"
    local folder
    folder=$(grep -o '3 of 3 photos converted into .*' "$work/notified" | sed 's/^3 of 3 photos converted into //')
    [[ -n $folder && -d $folder ]] || fail "the notification names no output folder"
    local outputs=("$folder"/*.jpg)
    ((${#outputs[@]} == 3)) || fail "expected three photos in '$folder', found ${#outputs[@]}"
    [[ $(vipsheader -f width "${outputs[0]}") == 100 ]] || fail "the preset's long edge was not used"
    echo "3 photos in $folder"
    # A German desktop: the notification's words come from the installed
    # translations.
    rm -f "$work/notified"
    "${user[@]}" LANGUAGE=de LC_ALL=C.UTF-8 ${exec% %F} "$work/Trip" || fail "the preset action failed in German"
    cat "$work/notified"
    grep -q '^3 von 3 Fotos konvertiert nach /' "$work/notified" || fail "the notification is not in German"
}
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

step "translations"
# One .qm per .ts of the source, where the programs look for them.
for ts in src/res/translations/quillmere_*.ts; do
    qm=/usr/share/quillmere/translations/$(basename "${ts%.ts}").qm
    [[ -s $qm ]] || fail "$qm is missing"
    echo "$qm"
done
# sed reads the whole help: head would close the pipe on the program (a
# failure under pipefail).
got=$(LANGUAGE=de LC_ALL=C.UTF-8 /usr/bin/quillmere-convert --help | sed -n 1p)
echo "LANGUAGE=de: $got"
[[ $got == Aufruf:* ]] || fail "--help is not in German with LANGUAGE=de"

step "file-manager actions"
action=/usr/libexec/quillmere/quillmere-file-action
for file in "$action" /usr/share/nautilus-python/extensions/quillmere.py \
    /usr/share/nemo/actions/quillmere.nemo_action /usr/share/nemo/actions/quillmere-preset.nemo_action \
    /usr/share/kio/servicemenus/quillmere.desktop; do
    [[ -s $file ]] || fail "$file is missing"
done
[[ -x $action ]] || fail "$action is not executable"
check_preset_action "" "$tmp/action"

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
