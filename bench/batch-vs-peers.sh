#!/usr/bin/env bash
# Times quillmere-convert against vipsthumbnail and ImageMagick on the same
# large photo-like JPEGs, in one run, and checks the resize quality; then the
# batch against vipsthumbnail writing WebP and AVIF.
#
#   BUILD=build-bench bench/batch-vs-peers.sh
#
# ImageMagick runs once, the others BENCH_REPEAT times (default 2).
# Environment: BUILD (build folder holding src/cli/quillmere-convert),
# BENCH_PHOTOS (corpus size, default 20), BENCH_WIDTH/BENCH_HEIGHT (source
# size, default 6000x4000), BENCH_DIR (work folder; the corpus is kept there
# between runs), BENCH_JOBS (passed as -j when set), BENCH_FORMATS (the
# extra output formats, default "webp avif"; empty for none).
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${BUILD:-build-bench}
case $BUILD in /*) ;; *) BUILD=$here/$BUILD ;; esac
BIN=$BUILD/src/cli/quillmere-convert
PHOTOS=${BENCH_PHOTOS:-20}
SRC_W=${BENCH_WIDTH:-6000}
SRC_H=${BENCH_HEIGHT:-4000}
WORK=${BENCH_DIR:-$BUILD/bench-batch}
OUT_W=1024

for tool in vips vipsheader vipsthumbnail convert /usr/bin/time awk; do
    command -v "$tool" >/dev/null || { echo "batch-vs-peers: $tool is missing (scripts/install-deps.sh)" >&2; exit 1; }
done
[ -x "$BIN" ] || { echo "batch-vs-peers: $BIN not built" >&2; exit 1; }

corpus=$WORK/corpus-${SRC_W}x${SRC_H}
mkdir -p "$corpus"
tmp=$(mktemp -d "$WORK/run.XXXXXX")
trap 'rm -rf "$tmp"' EXIT

# --- Corpus: smooth colour fields with film-like grain, so that the files
# compress like photos (about 0.4 bytes per pixel at quality 92). One large
# canvas is made once; every photo is a different crop of it.
if [ "$(ls "$corpus"/*.jpg 2>/dev/null | wc -l)" -lt "$PHOTOS" ]; then
    echo "Making $PHOTOS photos of ${SRC_W}x${SRC_H} in $corpus ..."
    cw=$((SRC_W + 400)); ch=$((SRC_H + 400))
    g=$tmp/gen
    mkdir -p "$g"
    vips sines "$g/s1.v" $cw $ch --hfreq 0.7 --vfreq 0.4
    vips sines "$g/s2.v" $cw $ch --hfreq 0.3 --vfreq 1.1
    vips zone "$g/z.v" $cw $ch
    vips linear "$g/s1.v" "$g/r.v" 70 130
    vips linear "$g/s2.v" "$g/gr.v" 60 115
    vips linear "$g/z.v" "$g/b.v" 45 100
    vips bandjoin "$g/r.v $g/gr.v $g/b.v" "$g/base.v"
    # Grain mostly in brightness, a little in colour, as in camera files.
    vips gaussnoise "$g/n1.v" $cw $ch --sigma 5 --mean 0
    vips gaussnoise "$g/n2.v" $cw $ch --sigma 1.5 --mean 0
    vips add "$g/n1.v" "$g/n2.v" "$g/n3.v"
    vips bandjoin "$g/n1.v $g/n3.v $g/n1.v" "$g/noise.v"
    vips add "$g/base.v" "$g/noise.v" "$g/sum.v"
    vips cast "$g/sum.v" "$g/canvas.v" uchar
    rm -f "$g"/s?.v "$g"/z.v "$g"/r.v "$g"/gr.v "$g"/b.v "$g"/n[0-9].v "$g"/base.v "$g"/noise.v "$g"/sum.v
    for i in $(seq 1 "$PHOTOS"); do
        name=$(printf '%s/photo%03d.jpg' "$corpus" "$i")
        [ -f "$name" ] && continue
        left=$(( (i * 37) % 400 )); top=$(( (i * 53) % 400 ))
        vips extract_area "$g/canvas.v" "$g/crop.v" $left $top $SRC_W $SRC_H
        vips copy "$g/crop.v" "$name[Q=92,strip]" --interpretation srgb
    done
    rm -rf "$g"
fi
mapfile -t files < <(ls "$corpus"/photo*.jpg | head -n "$PHOTOS")
n=${#files[@]}
half=$(( (n + 1) / 2 ))
echo "Corpus: $n photos, ${SRC_W}x${SRC_H}, $(du -sh "$corpus" | cut -f1) on disk; $(nproc) cores"

# --- Timing: wall clock and the largest resident set of any one process.
declare -A secs rss cpu
# The machine may be shared: each tool runs REPEAT times and its best run
# counts (the least disturbed one).
REPEAT=${BENCH_REPEAT:-2}
measure() {  # label, command...
    local label=$1; shift
    local report=$tmp/time-$label.txt s m k c
    for k in $(seq 1 "$REPEAT"); do
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

# Every tool reads the corpus from the page cache, not the first one from disk.
cat "${files[@]}" >/dev/null

jobs_opt=()
[ -n "${BENCH_JOBS:-}" ] && jobs_opt=(-j "$BENCH_JOBS")

o=$(fresh quillmere)
measure quillmere "$BIN" -o "$o" -f jpg --size fixed -W $OUT_W --keep-aspect width -q 80 \
    --overwrite yes --quiet "${jobs_opt[@]}" "${files[@]}"

o=$(fresh vips_serial)
measure vips_serial vipsthumbnail -s ${OUT_W}x -o "$o/%s.jpg[Q=80]" "${files[@]}"

o=$(fresh vips_2proc)
measure vips_2proc bash -c '
    out=$1; half=$2; shift 2
    vipsthumbnail -s '$OUT_W'x -o "$out/%s.jpg[Q=80]" "${@:1:$half}" &
    vipsthumbnail -s '$OUT_W'x -o "$out/%s.jpg[Q=80]" "${@:$((half + 1))}" &
    wait' _ "$o" "$half" "${files[@]}"

# The same batch into the newer formats, both tools at quality 80 and the
# libraries' default effort.
FORMATS=${BENCH_FORMATS-webp avif}
for fmt in $FORMATS; do
    o=$(fresh "quillmere_$fmt")
    measure "quillmere_$fmt" "$BIN" -o "$o" -f "$fmt" --size fixed -W $OUT_W --keep-aspect width -q 80 \
        --overwrite yes --quiet "${jobs_opt[@]}" "${files[@]}"
    o=$(fresh "vips_$fmt")
    measure "vips_$fmt" vipsthumbnail -s ${OUT_W}x -o "$o/%s.$fmt[Q=80]" "${files[@]}"
done

o=$(fresh im_hint)
REPEAT=1 measure im_hint bash -c '
    out=$1; shift
    for f in "$@"; do
        convert -define jpeg:size=$(('$OUT_W' * 2))x$(('$OUT_W' * 2)) "$f" -resize '$OUT_W'x -quality 80 "$out/$(basename "$f")"
    done' _ "$o" "${files[@]}"

o=$(fresh im_plain)
REPEAT=1 measure im_plain bash -c '
    out=$1; shift
    for f in "$@"; do convert "$f" -resize '$OUT_W'x -quality 80 "$out/$(basename "$f")"; done' _ "$o" "${files[@]}"

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

# --- Report.
rate() { awk -v n="$n" -v s="${secs[$1]}" 'BEGIN { printf "%.2f", (s > 0 ? n / s : 0) }'; }
ratio() { awk -v a="${secs[$2]}" -v b="${secs[$1]}" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }
printf '\n%-34s %9s %9s %11s %9s %12s\n' "tool" "seconds" "photos/s" "CPU s" "peak MB" "vs vips-1"
for label in quillmere vips_serial vips_2proc im_hint im_plain; do
    case $label in
        quillmere) name="quillmere-convert${BENCH_JOBS:+ -j $BENCH_JOBS}" ;;
        vips_serial) name="vipsthumbnail, one process" ;;
        vips_2proc) name="vipsthumbnail, two processes" ;;
        im_hint) name="convert -define jpeg:size" ;;
        im_plain) name="convert" ;;
    esac
    printf '%-34s %9.2f %9s %11.2f %9.0f %11sx\n' "$name" "${secs[$label]}" "$(rate $label)" "${cpu[$label]}" \
        "$(awk -v k="${rss[$label]}" 'BEGIN { print k / 1024 }')" "$(ratio $label vips_serial)"
done
echo "(load average at the end: $(cut -d' ' -f1-3 /proc/loadavg); a busy machine lowers every ratio)"
echo
jobs_used=${BENCH_JOBS:-$(nproc)}
per_job=$(awk -v k="${rss[quillmere]}" -v j="$jobs_used" 'BEGIN { printf "%.0f", k / 1024 / j }')
echo "quillmere-convert peak memory per job: ${per_job} MB with $jobs_used jobs (target < 200 MB):" \
    "$(awk -v m="$per_job" 'BEGIN { print (m < 200 ? "ok" : "ABOVE TARGET") }')"
speed_vips=$(ratio quillmere vips_serial)
speed_im=$(ratio quillmere im_hint)
verdict() { awk -v v="$1" -v t="$2" 'BEGIN { print (v >= t ? "ok" : "BELOW TARGET") }'; }
echo "quillmere-convert vs vipsthumbnail serial: ${speed_vips}x (target >= 1.45x, aim 1.8x): $(verdict "$speed_vips" 1.45)"
echo "quillmere-convert vs convert with hint:    ${speed_im}x (target >= 4x): $(verdict "$speed_im" 4)"
echo "PSNR vs Lanczos-3 of the full decode: quillmere-convert $psnr_q dB, vipsthumbnail $psnr_v dB:" \
    "$(awk -v a="$psnr_q" -v b="$psnr_v" 'BEGIN { print (a >= b ? "ok" : "BELOW vipsthumbnail") }')"

if [ -n "$FORMATS" ]; then
    echo
    # Output size: the mean of the files, so that repeated runs do not count.
    mean_kb() { find "$1" -type f -name "*.$2" -printf '%s\n' | awk '{ t += $1; n++ } END { printf "%.1f", (n ? t / n / 1024 : 0) }'; }
    printf '%-34s %9s %9s %11s %9s %12s %10s\n' "format: tool" "seconds" "photos/s" "CPU s" "peak MB" "vs vips" "KB/photo"
    for fmt in $FORMATS; do
        for label in "quillmere_$fmt" "vips_$fmt"; do
            case $label in
                quillmere_*) name="$fmt: quillmere-convert${BENCH_JOBS:+ -j $BENCH_JOBS}" ;;
                vips_*) name="$fmt: vipsthumbnail, one process" ;;
            esac
            printf '%-34s %9.2f %9s %11.2f %9.0f %11sx %10s\n' "$name" "${secs[$label]}" "$(rate "$label")" \
                "${cpu[$label]}" "$(awk -v k="${rss[$label]}" 'BEGIN { print k / 1024 }')" \
                "$(ratio "$label" "vips_$fmt")" "$(mean_kb "$tmp/out-$label" "$fmt")"
        done
        echo "quillmere-convert vs vipsthumbnail, $fmt output: $(ratio "quillmere_$fmt" "vips_$fmt")x"
    done
fi
