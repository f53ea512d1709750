#!/usr/bin/env bash
# Sourced by the scripts: when no display is set, starts one Xvfb screen of
# 1024x768 for the whole run and stops it (and the prefix's wineserver) on exit.
velquor_stop_display() {
  if [ -n "${VELQUOR_XVFB_PID:-}" ]; then kill "$VELQUOR_XVFB_PID" 2>/dev/null || true; fi
}
if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 91 140); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
      Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
      VELQUOR_XVFB_PID=$!
      export DISPLAY=":$n"
      break
    fi
  done
  for _ in $(seq 1 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
fi
