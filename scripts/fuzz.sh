#!/usr/bin/env bash
# A longer fuzzing run than the test command's: every target for the given
# number of seconds (default 600). Inputs found go to build/fuzz/tests/fuzz/corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
bash scripts/setup.sh
cmake --preset fuzz -DVELQUOR_FUZZ_SECONDS="$seconds" >/dev/null
cmake --build --preset fuzz
ctest --preset fuzz --timeout $((seconds + 120))
