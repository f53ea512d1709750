#!/usr/bin/env bash
# The whole test run: installs what is missing, configures and builds the four
# trees (native, win32, win64, fuzz) and runs every test, the fuzz targets for
# 20 s each. Exits non-zero on any failure.
set -uo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh || exit 1
source scripts/with-display.sh
stop_wine() {
  for prefix in build/*/wineprefix; do
    [ -d "$prefix" ] && WINEPREFIX="$PWD/$prefix" wineserver -k 2>/dev/null
  done
  velquor_stop_display
}
trap stop_wine EXIT

status=0
for preset in native win32 win64 fuzz; do
  echo "== build: $preset"
  if ! { cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset"; }; then
    echo "build of $preset failed" >&2
    exit 1
  fi
done

for preset in native win32 win64 fuzz; do
  echo "== test: $preset"
  ctest --preset "$preset" --no-tests=ignore || status=1
done
exit $status
