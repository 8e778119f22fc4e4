#!/usr/bin/env bash
# Times the ways quillmere-convert develops camera RAW files, in one run, on
# copies of a 24 MP DNG with a full-size JPEG preview, made from the shared
# phone photo by bench/make-dng.py (the shared SX60 DNG has a 3 MP sensor,
# too small for the preview's gain to show):
#   auto    the camera's preview, to 2048 long edge, against full;
#   half    a half-size develop (to 1024 long edge, on copies whose preview
#           is marked 256x192 so that it no longer covers), against full;
#   peer    what a user would otherwise script: LibRaw's dcraw_emu (camera
#           white balance, sRGB, no brightening) then vipsthumbnail.
#
#   BUILD=build-bench bench/raw-vs-peers.sh
#
# Each line gives the best wall-clock time and the processor time (user and
# system, all threads) of that run: on a machine that other work shares, the
# processor times compare the work itself.
#
# Environment: BUILD (holding src/cli/quillmere-convert), BENCH_RAWS (copies,
# default 8), BENCH_REPEAT (runs per tool, the best counts; default 2),
# RAW_SOURCE (a DNG with a full-size preview to use instead, e.g.
# ../shared/testdata/raw/sx60-o6-fulljpeg.dng), DNG_SIZE ("6000 4000").
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${BUILD:-build-bench}
case $BUILD in /*) ;; *) BUILD=$here/$BUILD ;; esac
BIN=$BUILD/src/cli/quillmere-convert
COPIES=${BENCH_RAWS:-8}
REPEAT=${BENCH_REPEAT:-2}
PHOTO=$here/../shared/testdata/photos/heic/IMG_5195.HEIC

for tool in dcraw_emu vipsthumbnail vips python3 bc; do
    command -v "$tool" >/dev/null || { echo "raw-vs-peers: $tool is missing (scripts/install-deps.sh)" >&2; exit 1; }
done
[ -x "$BIN" ] || { echo "raw-vs-peers: $BIN not built" >&2; exit 1; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
if [ -n "${RAW_SOURCE:-}" ]; then
    SOURCE=$RAW_SOURCE
else
    [ -f "$PHOTO" ] || { echo "raw-vs-peers: no $PHOTO to make the DNG from; skipped"; exit 0; }
    SOURCE=$tmp/made-24mp.dng
    python3 "$here/bench/make-dng.py" "$PHOTO" "$SOURCE" ${DNG_SIZE:-6000 4000}
fi
[ -f "$SOURCE" ] || { echo "raw-vs-peers: no $SOURCE; skipped"; exit 0; }
mkdir -p "$tmp/raw" "$tmp/small-preview" "$tmp/peer"
for i in $(seq 1 "$COPIES"); do
    cp "$SOURCE" "$tmp/raw/r$i.dng"
    cp "$SOURCE" "$tmp/small-preview/r$i.dng"
    cp "$SOURCE" "$tmp/peer/r$i.dng"
done
# The preview's stated size (IFD0's ImageWidth and ImageLength) made 256x192.
python3 - "$tmp"/small-preview/*.dng <<'PY'
import struct, sys
for name in sys.argv[1:]:
    with open(name, 'r+b') as f:
        head = f.read(8)
        order = '<' if head[:2] == b'II' else '>'
        ifd = struct.unpack(order + 'I', head[4:8])[0]
        f.seek(ifd)
        count = struct.unpack(order + 'H', f.read(2))[0]
        for i in range(count):
            at = ifd + 2 + 12 * i
            f.seek(at)
            tag, kind, n = struct.unpack(order + 'HHI', f.read(8))
            if tag in (256, 257):
                value = 256 if tag == 256 else 192
                f.seek(at + 8)
                f.write(struct.pack(order + ('H' if kind == 3 else 'I'), value))
PY

best() {  # label, command...: "wall cpu" seconds of the fastest of REPEAT runs
    local label=$1 best= cpu= me=$BASHPID; shift
    for _ in $(seq 1 "$REPEAT"); do
        rm -rf "$tmp/out" && mkdir -p "$tmp/out"
        local start=$(date +%s.%N) before after
        before=$(children_cpu "$me")
        "$@" >/dev/null 2>"$tmp/err" || { echo "raw-vs-peers: $label failed:" >&2; cat "$tmp/err" >&2; exit 1; }
        after=$(children_cpu "$me")
        local t=$(echo "$(date +%s.%N) - $start" | bc -l)
        if [ -z "$best" ] || [ "$(echo "$t < $best" | bc -l)" = 1 ]; then
            best=$t
            cpu=$(echo "$after - $before" | bc -l)
        fi
    done
    printf '%-34s %7.2f s  %6.3f s/file  cpu %7.2f s\n' "$label" "$best" \
        "$(echo "$best / $COPIES" | bc -l)" "$cpu" >&2
    echo "$best $cpu"
}
# The processor seconds of the finished children of shell PID so far.
children_cpu() {
    local ticks
    ticks=$(sed 's/.*) //' "/proc/$1/stat" | awk '{print $14 + $15}')
    echo "$ticks / $(getconf CLK_TCK)" | bc -l
}
convert_raw() {  # way, long edge, folder
    "$BIN" --raw "$1" --size long-edge --long-edge "$2" -f jpg --into "$tmp/out/q" "$3"
}
peer() {
    # dcraw_emu writes NAME.tiff beside each file and exits 0 even when it
    # fails, so its outputs are counted.
    rm -f "$tmp"/peer/*.tiff
    for f in "$tmp"/peer/*.dng; do
        dcraw_emu -w -W -c 0 -g 2.4 12.92 -o 1 -T "$f"
    done
    [ "$(ls "$tmp"/peer/*.tiff | wc -l)" -eq "$COPIES" ]
    vipsthumbnail "$tmp"/peer/*.tiff -s 2048 -o "$tmp/out/%s.jpg[Q=80]"
}

echo "RAW: $COPIES copies of $(basename "$SOURCE"); $(nproc) cores; load average before: $(cut -d' ' -f1-3 /proc/loadavg)" >&2
full=$(best "full, 2048 long edge" convert_raw full 2048 "$tmp/raw")
auto=$(best "auto (preview), 2048 long edge" convert_raw auto 2048 "$tmp/raw")
full1024=$(best "full, 1024 long edge" convert_raw full 1024 "$tmp/small-preview")
half=$(best "auto (half), 1024 long edge" convert_raw auto 1024 "$tmp/small-preview")
peer=$(best "dcraw_emu + vipsthumbnail, 2048" peer)
# "A (B cpu)": the ratio of the wall-clock times, then of the processor times.
ratio() {
    local a=($1) b=($2)
    printf '%.1f (%.1f cpu)' "$(echo "${a[0]} / ${b[0]}" | bc -l)" "$(echo "${a[1]} / ${b[1]}" | bc -l)"
}
echo "auto is $(ratio "$full" "$auto")x faster than full (at least 8)"
echo "half is $(ratio "$full1024" "$half")x faster than full (at least 2.5)"
echo "full is $(ratio "$peer" "$full")x the peer's speed (at least 1), auto $(ratio "$peer" "$auto")x (at least 5)"
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)" >&2
