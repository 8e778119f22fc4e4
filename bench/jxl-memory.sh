#!/usr/bin/env bash
# The real peak memory of quillmere-convert converting two 50 MP JPEG XL
# photos to JPEG XL at their own size (the encoder holds the most there)
# under --max-memory, printed beside the budget: the budget is kept when the
# peak stays below it.
#
#   BUILD=build-bench bench/jxl-memory.sh
#
# Environment: BUILD (build folder holding src/cli/quillmere-convert),
# BENCH_BUDGET (the --max-memory in MiB, default 6000), BENCH_WIDTH /
# BENCH_HEIGHT (the photos' size, default 8660x5774, 50 MP), BENCH_JOBS
# (-j, default 2), BENCH_DIR (work folder; the photos are kept there).
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${BUILD:-build-bench}
case $BUILD in /*) ;; *) BUILD=$here/$BUILD ;; esac
BIN=$BUILD/src/cli/quillmere-convert
BUDGET=${BENCH_BUDGET:-6000}
W=${BENCH_WIDTH:-8660}
H=${BENCH_HEIGHT:-5774}
JOBS=${BENCH_JOBS:-2}
WORK=${BENCH_DIR:-$BUILD/bench-jxl}

for tool in vips /usr/bin/time awk; do
    command -v "$tool" >/dev/null || { echo "jxl-memory: $tool is missing (scripts/install-deps.sh)" >&2; exit 1; }
done
[ -x "$BIN" ] || { echo "jxl-memory: $BIN not built" >&2; exit 1; }

mkdir -p "$WORK/photos"
tmp=$(mktemp -d "$WORK/run.XXXXXX")
trap 'rm -rf "$tmp"' EXIT

# Two photo-like pictures (colour fields with grain), made once.
for i in 1 2; do
    photo=$WORK/photos/photo$i-${W}x$H.jxl
    [ -s "$photo" ] && continue
    g=$tmp/gen
    mkdir -p "$g"
    vips sines "$g/s.v" "$W" "$H" --hfreq "0.$((3 + i))" --vfreq 0.7
    vips zone "$g/z.v" "$W" "$H"
    vips linear "$g/s.v" "$g/r.v" 70 130
    vips linear "$g/z.v" "$g/b.v" 45 100
    vips gaussnoise "$g/n.v" "$W" "$H" --sigma 5 --mean 0
    vips add "$g/r.v" "$g/n.v" "$g/gr.v"
    vips bandjoin "$g/r.v $g/gr.v $g/b.v" "$g/sum.v"
    vips cast "$g/sum.v" "$g/u8.v" uchar
    vips copy "$g/u8.v" "$g/rgb.v" --interpretation srgb
    vips jxlsave "$g/rgb.v" "$photo" --Q 90 --effort 3
    rm -rf "$g"
done

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
out=$tmp/out
/usr/bin/time -f '%M %e' -o "$tmp/time" \
    "$BIN" --quiet --max-memory "$BUDGET" -j "$JOBS" --size original -f jxl --into "$out" \
    "$WORK"/photos/*.jxl
read -r peakKiB seconds <"$tmp/time"
written=$(find "$out" -name '*.jxl' | wc -l)
awk -v peak="$peakKiB" -v budget="$BUDGET" -v s="$seconds" -v n="$written" -v w="$W" -v h="$H" \
    -v j="$JOBS" 'BEGIN {
    printf "two %dx%d JPEG XL photos (%.0f MP), %d jobs, %d written in %.1f s\n", w, h, w * h / 1e6, j, n, s
    printf "peak memory %.0f MiB, budget %d MiB: %.2f of the budget\n", peak / 1024, budget, peak / 1024 / budget
}'
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
