#!/usr/bin/env bash
# Runs a Windows program under the 64-bit Wine, as CTest's emulator for the
# win64 tree and for the scripts. The prefix is private to the build tree
# (VELQUOR_WINEPREFIX, else ./wineprefix) and is set up once: ANSI code page
# 936 through LC_ALL, no debug chatter, no Mono or Gecko prompts, and a
# 1024x768 virtual desktop so that every run sees the same screen.
set -euo pipefail

if [ -z "${DISPLAY:-}" ]; then
  # No display: borrow one from Xvfb for this run only.
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

export WINEPREFIX="${VELQUOR_WINEPREFIX:-$PWD/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Wine takes the ANSI code page from LC_ALL; it is passed through env so that
# bash itself does not try (and warn about) a locale glibc has not generated.
inwine() { env LC_ALL=zh_CN.UTF-8 "$@"; }

mkdir -p "$(dirname "$WINEPREFIX")"
(
  flock 9
  if [ ! -f "$WINEPREFIX/.velquor-ready" ]; then
    inwine wineboot -i >/dev/null 2>&1 || true
    inwine wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    inwine wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.velquor-ready"
  fi
) 9>"$WINEPREFIX.lock"

# Wine 8 warns on every start that wine32 is missing; 32-bit Wine cannot run
# here anyway, so that one line is dropped.
inwine wine "$@" 2> >(grep -v -e 'wine32 is missing' -e 'multiarch needs' -e 'dpkg --add-architecture' -e 'apt-get install wine32' >&2)
