#!/usr/bin/env bash
# Builds the BMP reader's libFuzzer target with clang and runs it.
#   fuzz-bmp.sh [seconds] [build folder]
# The work corpus starts from tests/data/bmp-fuzz-corpus and lives in the
# build folder; crashes are written there as crash-*.
set -euo pipefail
seconds=${1:-60}
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
out=${2:-$root/build-fuzz}
mkdir -p "$out/corpus"
sources=(IndexedBitmap.cpp Palettes.cpp NearestColour.cpp ColourReduction.cpp BmpCodec.cpp
         BmpPixels.cpp OctreeQuantizer.cpp)
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"$root/src/bitmap" "$here/LoadFromFileFuzzer.cpp" "${sources[@]/#/$root/src/bitmap/}" \
  -o "$out/bmp_fuzzer"
[ "$seconds" -eq 0 ] && exit 0
cp -n "$root/tests/data/bmp-fuzz-corpus/"* "$out/corpus/" 2>/dev/null || true
cd "$out"
./bmp_fuzzer -max_total_time="$seconds" -max_len=4096 -rss_limit_mb=3072 -timeout=10 \
  -print_final_stats=1 corpus
