#!/usr/bin/env bash
# Times quillmere-convert against vipsthumbnail (one process over all the
# files) on the same photos, in one run: 24 MP JPEGs to 1024-wide JPEG, PNG,
# WebP and 8-bit BMP, and small photos (640x480 to 320 wide); beside them
# ImageMagick with its size hint on the JPEG batch, the peak memory per job
# and the resize quality (PSNR against a Lanczos-3 resize of the full decode).
#
#   BUILD=build-bench bench/batch-vs-peers.sh
#
# ImageMagick runs once, the others BENCH_REPEAT times (default 2; the best
# run counts). Environment: BUILD (build folder holding
# src/cli/quillmere-convert), BENCH_PHOTOS (large photos, default 20),
# BENCH_WIDTH/BENCH_HEIGHT (their size, default 6000x4000), BENCH_SMALL (the
# small-photo batches, default "400 2000"), BENCH_DIR (work folder; the
# corpora are kept there between runs), BENCH_JOBS (passed as -j when set),
# BENCH_FORMATS (the large-photo outputs, default "jpg png webp bmp8"; avif
# may be added).
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${BUILD:-build-bench}
case $BUILD in /*) ;; *) BUILD=$here/$BUILD ;; esac
BIN=$BUILD/src/cli/quillmere-convert
PHOTOS=${BENCH_PHOTOS:-20}
SRC_W=${BENCH_WIDTH:-6000}
SRC_H=${BENCH_HEIGHT:-4000}
SMALL=${BENCH_SMALL-400 2000}
FORMATS=${BENCH_FORMATS-jpg png webp bmp8}
WORK=${BENCH_DIR:-$BUILD/bench-batch}
REPEAT=${BENCH_REPEAT:-2}
OUT_W=1024
SMALL_W=320

for tool in vips vipsheader vipsthumbnail convert /usr/bin/time awk; do
    command -v "$tool" >/dev/null || { echo "batch-vs-peers: $tool is missing (scripts/install-deps.sh)" >&2; exit 1; }
done
[ -x "$BIN" ] || { echo "batch-vs-peers: $BIN not built" >&2; exit 1; }

mkdir -p "$WORK"
tmp=$(mktemp -d "$WORK/run.XXXXXX")
trap 'rm -rf "$tmp"' EXIT

# --- Corpora: smooth colour fields with film-like grain, so that the files
# compress like photos. canvas W H OUT makes one such picture as a .v file.
canvas() {
    local w=$1 h=$2 out=$3 g=$tmp/gen
    mkdir -p "$g"
    vips sines "$g/s1.v" "$w" "$h" --hfreq 0.7 --vfreq 0.4
    vips sines "$g/s2.v" "$w" "$h" --hfreq 0.3 --vfreq 1.1
    vips zone "$g/z.v" "$w" "$h"
    vips linear "$g/s1.v" "$g/r.v" 70 130
    vips linear "$g/s2.v" "$g/gr.v" 60 115
    vips linear "$g/z.v" "$g/b.v" 45 100
    vips bandjoin "$g/r.v $g/gr.v $g/b.v" "$g/base.v"
    # Grain mostly in brightness, a little in colour, as in camera files.
    vips gaussnoise "$g/n1.v" "$w" "$h" --sigma 5 --mean 0
    vips gaussnoise "$g/n2.v" "$w" "$h" --sigma 1.5 --mean 0
    vips add "$g/n1.v" "$g/n2.v" "$g/n3.v"
    vips bandjoin "$g/n1.v $g/n3.v $g/n1.v" "$g/noise.v"
    vips add "$g/base.v" "$g/noise.v" "$g/sum.v"
    vips cast "$g/sum.v" "$out" uchar
    rm -rf "$g"
}

# Large photos (about 0.4 bytes per pixel at quality 92): different crops of
# one canvas.
corpus=$WORK/corpus-${SRC_W}x${SRC_H}
mkdir -p "$corpus"
if [ "$(ls "$corpus"/*.jpg 2>/dev/null | wc -l)" -lt "$PHOTOS" ]; then
    echo "Making $PHOTOS photos of ${SRC_W}x${SRC_H} in $corpus ..."
    canvas $((SRC_W + 400)) $((SRC_H + 400)) "$tmp/canvas.v"
    for i in $(seq 1 "$PHOTOS"); do
        name=$(printf '%s/photo%03d.jpg' "$corpus" "$i")
        [ -f "$name" ] && continue
        left=$(( (i * 37) % 400 )); top=$(( (i * 53) % 400 ))
        vips extract_area "$tmp/canvas.v" "$tmp/crop.v" $left $top $SRC_W $SRC_H
        vips copy "$tmp/crop.v" "$name[Q=92,strip]" --interpretation srgb
    done
    rm -f "$tmp/canvas.v" "$tmp/crop.v"
fi
mapfile -t files < <(ls "$corpus"/photo*.jpg | head -n "$PHOTOS")
n=${#files[@]}

# Small photos as phones and web pages have them (640x480, 4:2:0, quality
# 90): ImageMagick cuts a canvas into a grid of 100, shifted for each
# hundred.
small_max=0
for s in $SMALL; do [ "$s" -gt "$small_max" ] && small_max=$s; done
small=$WORK/corpus-640x480
if [ "$small_max" -gt 0 ] && [ "$(ls "$small" 2>/dev/null | wc -l)" -lt "$small_max" ]; then
    echo "Making $small_max photos of 640x480 in $small ..."
    rm -rf "$small"; mkdir -p "$small"
    canvas 6500 4900 "$tmp/small.v"
    vips copy "$tmp/small.v" "$tmp/small.ppm"
    for k in $(seq 0 $(( (small_max - 1) / 100 ))); do
        convert "$tmp/small.ppm" -crop 6400x4800+$(( k * 3 ))+$(( k * 5 )) +repage -crop 640x480 +repage \
            -sampling-factor 2x2 -quality 90 "$small/s$(printf %02d "$k")-%02d.jpg"
    done
    rm -f "$tmp/small.v" "$tmp/small.ppm"
fi

echo "Corpus: $n photos, ${SRC_W}x${SRC_H}, $(du -sh "$corpus" | cut -f1) on disk; small photos: $SMALL of 640x480;" \
    "$(nproc) cores; load average before: $(cut -d' ' -f1-3 /proc/loadavg)"

# --- Timing: wall clock, processor time and the largest resident set.
declare -A secs rss cpu count
# The machine may be shared: each tool runs REPEAT times and its best run
# counts (the least disturbed one).
measure() {  # label, photo count, repeats, command...
    local label=$1 photos=$2 repeats=$3; shift 3
    local report=$tmp/time-$label.txt s m k c
    count[$label]=$photos
    for k in $(seq 1 "$repeats"); do
        /usr/bin/time -v -o "$report" "$@" >/dev/null 2>"$tmp/err-$label.txt" || {
            echo "batch-vs-peers: $label failed:" >&2; cat "$tmp/err-$label.txt" >&2; exit 1; }
        s=$(awk -F': ' '/Elapsed \(wall clock\)/ {
            n = split($2, p, ":"); s = 0; for (i = 1; i <= n; i++) s = s * 60 + p[i]; print s }' "$report")
        m=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$report")
        c=$(awk -F': ' '/User time|System time/ { t += $2 } END { print t }' "$report")
        if [ -z "${secs[$label]:-}" ] || awk -v a="$s" -v b="${secs[$label]}" 'BEGIN { exit !(a < b) }'; then
            secs[$label]=$s
            cpu[$label]=$c
        fi
        if [ -z "${rss[$label]:-}" ] || [ "$m" -gt "${rss[$label]}" ]; then rss[$label]=$m; fi
    done
}

fresh() { rm -rf "$tmp/out-$1"; mkdir -p "$tmp/out-$1"; echo "$tmp/out-$1"; }

jobs_opt=()
[ -n "${BENCH_JOBS:-}" ] && jobs_opt=(-j "$BENCH_JOBS")
jobs_used=${BENCH_JOBS:-$(nproc)}

# quillmere-convert's options and vipsthumbnail's output suffix per format,
# both at quality 80 and the libraries' default effort.
ours_format() {
    case $1 in
        jpg) echo "-f jpg -q 80" ;;
        png) echo "-f png" ;;
        webp) echo "-f webp -q 80" ;;
        avif) echo "-f avif -q 80" ;;
        bmp8) echo "-f bmp --pixel-format 8bit" ;;
    esac
}
vips_suffix() {
    case $1 in
        jpg) echo "jpg[Q=80]" ;;
        png) echo "png" ;;
        webp) echo "webp[Q=80]" ;;
        avif) echo "avif[Q=80]" ;;
        bmp8) echo "bmp[bitdepth=8]" ;;  # through ImageMagick
    esac
}

# Every tool reads the photos from the page cache, not the first one from disk.
cat "${files[@]}" >/dev/null

for fmt in $FORMATS; do
    o=$(fresh "q_$fmt")
    # shellcheck disable=SC2046
    measure "q_$fmt" "$n" "$REPEAT" "$BIN" -o "$o" $(ours_format "$fmt") --size fixed -W $OUT_W --keep-aspect width \
        --overwrite yes --quiet "${jobs_opt[@]}" "${files[@]}"
    o=$(fresh "v_$fmt")
    measure "v_$fmt" "$n" "$REPEAT" vipsthumbnail -s ${OUT_W}x -o "$o/%s.$(vips_suffix "$fmt")" "${files[@]}"
done

if [[ " $FORMATS " == *" jpg "* ]]; then
    o=$(fresh im_hint)
    measure im_hint "$n" 1 bash -c '
        out=$1; shift
        for f in "$@"; do
            convert -define jpeg:size=$(('$OUT_W' * 2))x$(('$OUT_W' * 2)) "$f" -resize '$OUT_W'x -quality 80 "$out/$(basename "$f")"
        done' _ "$o" "${files[@]}"
fi

for s in $SMALL; do
    mapfile -t few < <(ls "$small"/*.jpg | head -n "$s")
    cat "${few[@]}" >/dev/null
    o=$(fresh "q_small$s")
    measure "q_small$s" "${#few[@]}" "$REPEAT" "$BIN" -o "$o" -f jpg -q 80 --size fixed -W $SMALL_W --keep-aspect width \
        --overwrite yes --quiet "${jobs_opt[@]}" "${few[@]}"
    o=$(fresh "v_small$s")
    measure "v_small$s" "${#few[@]}" "$REPEAT" vipsthumbnail -s ${SMALL_W}x -o "$o/%s.jpg[Q=80]" "${few[@]}"
done

# --- Quality: PSNR of PNG outputs against a Lanczos-3 resize of the full
# decode at exactly the output's size.
psnr() {  # output.png source.jpg
    local w h
    w=$(vipsheader -f width "$1"); h=$(vipsheader -f height "$1")
    vips resize "$2" "$tmp/ref.v" "$(awk -v a=$w -v b="$SRC_W" 'BEGIN { printf "%.12f", a / b }')" \
        --vscale "$(awk -v a=$h -v b="$SRC_H" 'BEGIN { printf "%.12f", a / b }')" --kernel lanczos3
    vips extract_band "$1" "$tmp/out3.v" 0 --n 3
    vips subtract "$tmp/ref.v" "$tmp/out3.v" "$tmp/diff.v"
    vips multiply "$tmp/diff.v" "$tmp/diff.v" "$tmp/sq.v"
    local mse
    mse=$(vips avg "$tmp/sq.v")
    awk -v m="$mse" 'BEGIN { if (m <= 0) print "inf"; else printf "%.2f", 10 * log(255 * 255 / m) / log(10) }'
}
q=$(fresh quality)
"$BIN" -o "$q" -f png --size fixed -W $OUT_W --keep-aspect width --no-rename --overwrite yes --quiet \
    "${files[0]}" >"$tmp/qrun.txt"
qpng=$(tail -n1 "$tmp/qrun.txt")$(basename "${files[0]}" .jpg).png
vipsthumbnail -s ${OUT_W}x -o "$q/thumb.png" "${files[0]}"
psnr_q=$(psnr "$qpng" "${files[0]}")
psnr_v=$(psnr "$q/thumb.png" "${files[0]}")

# --- Report. "time" is quillmere-convert's wall time as a share of
# vipsthumbnail's on the same files; "speed" its photos/s as a multiple.
mb() { awk -v k="$1" 'BEGIN { printf "%.0f", k / 1024 }'; }
rate() { awk -v n="${count[$1]}" -v s="${secs[$1]}" 'BEGIN { printf "%.1f", (s > 0 ? n / s : 0) }'; }
share() { awk -v a="${secs[$1]}" -v b="${secs[$2]}" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }
per_job() { awk -v k="${rss[$1]}" -v j="$2" 'BEGIN { printf "%.0f", k / 1024 / j }'; }  # MB a job
mean_kb() { find "$1" -type f -not -name '*.log' -printf '%s\n' | awk '{ t += $1; n++ } END { printf "%.1f", (n ? t / n / 1024 : 0) }'; }
verdict() { awk -v v="$1" -v t="$2" -v up="$3" 'BEGIN { ok = up ? v >= t : v <= t; print (ok ? "ok" : "MISSED") }'; }
echo
printf '%-30s %8s %9s %8s %8s %8s %9s\n' "batch: tool" "seconds" "photos/s" "CPU s" "peak MB" "MB/job" "KB/photo"
row() {  # label, name, jobs
    printf '%-30s %8.2f %9s %8.2f %8s %8s %9s\n' "$2" "${secs[$1]}" "$(rate "$1")" "${cpu[$1]}" "$(mb "${rss[$1]}")" \
        "$(per_job "$1" "$3")" "$(mean_kb "$tmp/out-$1")"
}
for fmt in $FORMATS; do
    row "q_$fmt" "$fmt: quillmere-convert" "$jobs_used"
    row "v_$fmt" "$fmt: vipsthumbnail" 1
done
[ -n "${secs[im_hint]:-}" ] && row im_hint "jpg: convert -define jpeg:size" 1
for s in $SMALL; do
    row "q_small$s" "$s small: quillmere-convert" "$jobs_used"
    row "v_small$s" "$s small: vipsthumbnail" 1
done
echo "(${jobs_used} jobs; load average at the end: $(cut -d' ' -f1-3 /proc/loadavg); a busy machine spoils every ratio)"
echo
echo "quillmere-convert against vipsthumbnail (one process) on the same files:"
target_of() { case $1 in jpg) echo 0.45 ;; png|webp) echo 0.50 ;; *) echo "" ;; esac; }
peak_job=0
for fmt in $FORMATS; do
    t=$(share "q_$fmt" "v_$fmt"); goal=$(target_of "$fmt")
    printf '  %-6s %s of its time%s\n' "$fmt" "$t" "${goal:+ (target <= $goal): $(verdict "$t" "$goal" 0)}"
    per=$(per_job "q_$fmt" "$jobs_used")
    [ "$per" -gt "$peak_job" ] && peak_job=$per
done
for s in $SMALL; do
    x=$(share "v_small$s" "q_small$s")
    if [ "$s" = 400 ]; then
        echo "  $s small photos: ${x}x its photos/s (target >= 1.5x): $(verdict "$x" 1.5 1)"
    else
        echo "  $s small photos: ${x}x its photos/s"
    fi
done
[ -n "${secs[im_hint]:-}" ] && echo "  jpg: $(awk -v a="${secs[im_hint]}" -v b="${secs[q_jpg]}" 'BEGIN { printf "%.1f", a / b }')x as fast as ImageMagick with its size hint"
[ -n "$FORMATS" ] && echo "peak memory per job on ${SRC_W}x${SRC_H} photos: at most ${peak_job} MB (target < 150 MB): $(verdict "$peak_job" 150 0)"
echo "PSNR against Lanczos-3 of the full decode: quillmere-convert $psnr_q dB, vipsthumbnail $psnr_v dB:" \
    "$(awk -v a="$psnr_q" -v b="$psnr_v" 'BEGIN { print (a >= b ? "ok" : "BELOW vipsthumbnail") }')"
