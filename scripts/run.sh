#!/usr/bin/env bash
# Builds Velquor and starts it under Wine. With a display ($DISPLAY) the window
# stays until you close it. Without one, it runs on an Xvfb screen in a
# 1024x768 Wine virtual desktop, saves a screenshot of the started window to
# build/screenshots/velquor.png, and closes it again.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
# The shipped program is the 32-bit build (the win32 preset); the 64-bit build
# of the same sources is the one this machine's Wine can run.
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target velquor
exe=build/win64/ui/velquor.exe
export VELQUOR_WINEPREFIX="$PWD/build/run-prefix"

if [ -n "${DISPLAY:-}" ]; then
  exec cmake/wine-run.sh "$exe"
fi

source scripts/with-display.sh
trap 'WINEPREFIX="$VELQUOR_WINEPREFIX" wineserver -k 2>/dev/null || true; velquor_stop_display' EXIT
cmake/wine-run.sh "$exe" &
velquor_pid=$!
for _ in $(seq 1 120); do
  xdotool search --name '^Velquor$' >/dev/null 2>&1 && break
  sleep 0.5
done
sleep 2  # let the first paint finish
mkdir -p build/screenshots
import -window root build/screenshots/velquor.png
echo "screenshot: build/screenshots/velquor.png"
WINEPREFIX="$VELQUOR_WINEPREFIX" wineserver -k 2>/dev/null || true
wait "$velquor_pid" || true  # not a bare wait: the Xvfb of this run is a child too
