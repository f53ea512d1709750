#!/usr/bin/env bash
# Runs the benchmarks and prints a short table: the text rules and the whole
# port change from 1 KiB to 16 MiB (natively, Release build), then start-up
# to interactive under Wine as a ratio against an empty window. Not part of
# the test command.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh >/dev/null
cmake --preset bench >/dev/null && cmake --build --preset bench >/dev/null
cmake --preset win64 >/dev/null && cmake --build --preset win64 >/dev/null

echo "== text rules, $(nproc) cores, $(uname -m)"
results=$(./build/bench/tests/bench/text_bench --benchmark_min_time=0.2 2>/dev/null)
# One row per benchmark: ns per byte at 1 KiB and at 16 MiB, the fitted
# complexity and its RMS error (a linear rule fits O(N) with a small RMS).
awk '
  $1 ~ /\/1024$/     { split($1, n, "/"); small[n[1]] = $2 / 1024 }
  $1 ~ /\/16777216$/ { split($1, n, "/"); big[n[1]] = $2 / 16777216; order[++count] = n[1] }
  $1 ~ /_BigO$/      { sub(/_BigO$/, "", $1); bigo[$1] = $2 " " $3 }
  $1 ~ /_RMS$/       { sub(/_RMS$/, "", $1); rms[$1] = $2 " " $3 }
  END {
    printf "%-22s %12s %12s %12s %8s\n", "benchmark", "ns/B 1KiB", "ns/B 16MiB", "fit", "RMS"
    for (i = 1; i <= count; i++) {
      b = order[i]
      printf "%-22s %12.3f %12.3f %12s %8s\n", b, small[b], big[b], bigo[b], rms[b]
    }
    printf "ChangePort at 16 MiB = %.1f x one TrimBothEnds pass, %.1f x one byte count\n",
      big["BM_ChangePort"] / big["BM_TrimBothEnds"], big["BM_ChangePort"] / big["BM_OnePass"]
  }' <<<"$results"

echo "== start-up under Wine"
source scripts/with-display.sh
trap 'WINEPREFIX="$PWD/build/win64/wineprefix" wineserver -k 2>/dev/null || true; velquor_stop_display' EXIT
VELQUOR_WINEPREFIX="$PWD/build/win64/wineprefix" cmake/wine-run.sh build/win64/tests/bench/startup/startup_bench.exe \
  "$PWD/build/win64/ui/velquor.exe" "$PWD/build/win64/tests/bench/startup/empty_window.exe" 15
