#!/usr/bin/env bash
# Takes the AppStream screenshots of the window under Xvfb: the window with
# the sample photos of ../shared/testdata listed and the first one
# previewed (window.png), and the output options over it (options.png).
# Skips with a message when the sample photos are absent.
#
# usage: scripts/take-screenshots.sh [OUT_DIR]    (default src/res/screenshots)
#   BUILD=dir       the build whose program is shown (default build, made
#                   with `make build` when it has none)
#   QUILLMERE=path  that program instead
#   LANGUAGE=ja     the window in another language, e.g. to look at a
#                   translation (Japanese and Chinese need the fonts of
#                   `scripts/install-deps.sh --screenshots`)
# Needs xvfb-run, xdotool and ImageMagick's import (scripts/install-deps.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ ${1:-} == --inside ]]; then
    shift
    out=$1
    shift
    tmp=$(mktemp -d)
    trap 'kill "${pid:-}" 2>/dev/null || true; rm -rf "$tmp"' EXIT
    # A new user's window: no settings, presets or folders from this machine.
    export HOME=$tmp/alex XDG_CONFIG_HOME=$tmp/config QT_QPA_PLATFORM=xcb
    mkdir -p "$HOME/Pictures/Holiday" "$XDG_CONFIG_HOME"
    # The photos seen in a folder of the user's, as they would be.
    shown=()
    for photo in "$@"; do
        ln -s "$photo" "$HOME/Pictures/Holiday/$(basename "$photo")"
        shown+=("$HOME/Pictures/Holiday/$(basename "$photo")")
    done

    # The window is settled when two grabs a moment apart are the same: the
    # photos are read and the preview drawn (a sanitizer build is slow).
    settled() {
        local window=$1 before="" now
        for _ in $(seq 1 120); do
            sleep 0.5
            now=$(import -window "$window" rgb:- 2>/dev/null | md5sum)
            [[ $now == "$before" ]] && return 0
            before=$now
        done
        echo "take-screenshots: the window never settled" >&2
        return 1
    }
    shot() {  # window file: the window as it is now
        settled "$1"
        import -window "$1" "$2"
        echo "take-screenshots: $2 ($(identify -format '%wx%h' "$2"))"
    }

    "$QUILLMERE" "${shown[@]}" &
    pid=$!
    window=$(xdotool search --sync --onlyvisible --pid "$pid" 2>/dev/null | head -n 1)
    settled "$window"
    # Without a window manager the program has to be given the keyboard;
    # Ctrl+Home then selects the list's first photo, which the preview shows.
    xdotool windowfocus --sync "$window"
    read -r x y < <(xdotool getwindowgeometry --shell "$window" | awk -F= '
        $1 == "X" { x = $2 } $1 == "Y" { y = $2 } END { print x, y }')
    # The list sits at the top left, below the menus: a click gives it the
    # keys, wherever the first row is drawn.
    xdotool mousemove $((x + 120)) $((y + 120)) click 1
    xdotool key ctrl+Home
    shot "$window" "$out/window.png"

    xdotool key ctrl+shift+o
    dialog=""
    for _ in $(seq 1 60); do
        dialog=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -vx "$window" | head -n 1 || true)
        [[ -n $dialog ]] && break
        sleep 0.5
    done
    [[ -n $dialog ]] || { echo "take-screenshots: the options dialog did not open" >&2; exit 1; }
    shot "$dialog" "$out/options.png"
    xdotool key Escape
    exit 0
fi

photos=../shared/testdata/photos
if [[ ! -d $photos ]]; then
    echo "take-screenshots: skipped: the sample photos are not in $photos"
    exit 0
fi
for tool in xvfb-run xdotool import convert; do
    command -v "$tool" >/dev/null || { echo "take-screenshots: $tool is missing (scripts/install-deps.sh)" >&2; exit 1; }
done
out=${1:-src/res/screenshots}
mkdir -p "$out"
build=${BUILD:-build}
if [[ -z ${QUILLMERE:-} ]]; then
    [[ -x $build/src/quillmere ]] || make build
    QUILLMERE=$build/src/quillmere
fi
export QUILLMERE
# Photos a photographer might convert: a camera's, two with places, some
# turned by their EXIF.
files=("$photos"/camera/Canon_40D.jpg "$photos"/gps/DSCN0010.jpg "$photos"/gps/DSCN0012.jpg
    "$photos"/orientation/landscape_1.jpg "$photos"/orientation/portrait_6.jpg
    "$photos"/orientation/landscape_3.jpg)
xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" --inside "$(realpath "$out")" \
    $(realpath "${files[@]}")
