#!/usr/bin/env bash
# Drives the built velquor.exe under Wine as a user does: keys typed with
# xdotool into the real window, the answer given in the real question box, and
# the outcome read from outside (the registry through `wine reg`, the exit
# code of the process). Screenshots of each run go to the folder given as the
# second argument.
#
# usage: velquor_blackbox.sh path/to/velquor.exe screenshot-folder
set -uo pipefail
exe=$1
shots=$2
root="$(cd "$(dirname "$0")/../.." && pwd)"
run="$root/cmake/wine-run.sh"
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
mkdir -p "$shots"

tds='HKLM\SYSTEM\CurrentControlSet\Control\Terminal Server\Wds\rdpwd\Tds\tcp'
winstations='HKLM\SYSTEM\CurrentControlSet\Control\Terminal Server\WinStations\RDP-Tcp'
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# The REG_DWORD PortNumber under a key, in decimal, or "none".
port_of() {
  local hex
  hex=$("$run" reg query "$1" /v PortNumber 2>/dev/null | tr -d '\r' |
    sed -n 's/.*PortNumber[[:space:]]*REG_DWORD[[:space:]]*0x\([0-9a-fA-F]*\).*/\1/p')
  if [ -n "$hex" ]; then echo $((16#$hex)); else echo none; fi
}
set_port() { "$run" reg add "$1" /v PortNumber /t REG_DWORD /d "$2" /f >/dev/null 2>&1; }
clear_port() { "$run" reg delete "$1" /v PortNumber /f >/dev/null 2>&1 || true; }

# The X id of a window with exactly that title. Titles are compared as
# getwindowname prints them: xdotool's own --name pattern does not match
# titles outside Latin-1, such as 生效.
find_window() {
  local id
  for id in $(xdotool search --name '.' 2>/dev/null); do
    if [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ]; then
      echo "$id"
      return 0
    fi
  done
  return 1
}

# Waits up to 30 s for such a window; prints its X id.
wait_for_window() {
  for _ in $(seq 1 120); do
    find_window "$1" && return 0
    sleep 0.25
  done
  return 1
}

# Waits up to 30 s for the program to end; sets `code` to its exit code.
wait_for_exit() {
  local pid=$1
  for _ in $(seq 1 120); do
    if ! kill -0 "$pid" 2>/dev/null; then
      wait "$pid"
      code=$?
      return 0
    fi
    sleep 0.25
  done
  code="still running"
  kill "$pid" 2>/dev/null
  WINEPREFIX="${VELQUOR_WINEPREFIX:-$PWD/wineprefix}" wineserver -k 2>/dev/null
  wait "$pid" 2>/dev/null
}

# Waits for the program to end and checks its exit code and both values.
expect_outcome() {  # expect_outcome <run> <exit code> <WinStations port> <Tds port>
  wait_for_exit "$velquor_pid"
  [ "$code" = "$2" ] || fail "$1: exit code $code, expected $2"
  [ "$(port_of "$winstations")" = "$3" ] || fail "$1: WinStations holds $(port_of "$winstations"), expected $3"
  [ "$(port_of "$tds")" = "$4" ] || fail "$1: Tds holds $(port_of "$tds"), expected $4"
}

start_velquor() {
  "$run" "$exe" &
  velquor_pid=$!
  if ! window=$(wait_for_window Velquor); then
    fail "$1: the Velquor window did not appear"
    return 1
  fi
  sleep 1  # let the first paint finish
}

# Wine carries out a forced restart by ending every program of the prefix.
# A witness program (Wine's clock) started beforehand shows whether the
# restart was requested: it survives No and is ended by Yes.
start_witness() {
  "$run" clock >/dev/null 2>&1 &
  witness_pid=$!
  sleep 3
}
stop_witness() {
  kill "$witness_pid" 2>/dev/null
  WINEPREFIX="${VELQUOR_WINEPREFIX:-$PWD/wineprefix}" wineserver -k 2>/dev/null
  wait "$witness_pid" 2>/dev/null
}

# A change to a valid port, answered No: both values hold it, exit code 0,
# and no restart.
echo "== change the port, answer No"
set_port "$tds" 3389
clear_port "$winstations"
start_witness
if start_velquor change; then
  import -window root "$shots/started.png"
  xdotool type --delay 60 "a.3390"  # the filter drops "a" and "."
  xdotool key Tab                    # from the new-port box to the button
  import -window root "$shots/typed.png"
  xdotool key space
  if wait_for_window '生效' >/dev/null; then
    sleep 0.5
    import -window root "$shots/question.png"
    xdotool key n  # 否(N)
  else
    fail "change: the restart question did not appear"
  fi
  expect_outcome change 0 3390 3390
  kill -0 "$witness_pid" 2>/dev/null || fail "change: answering No ended other programs (a restart?)"
fi
stop_witness

# The same change answered Yes: the forced restart is requested (the witness
# is ended with everything else) and the program still ends with 0.
echo "== change the port, answer Yes"
set_port "$tds" 3389
set_port "$winstations" 3389
start_witness
if start_velquor restart; then
  xdotool type --delay 60 "3391"
  xdotool key Tab space
  if wait_for_window '生效' >/dev/null; then
    xdotool key y  # 是(Y)
  else
    fail "restart: the restart question did not appear"
  fi
  expect_outcome restart 0 3391 3391
  for _ in $(seq 1 40); do kill -0 "$witness_pid" 2>/dev/null || break; sleep 0.25; done
  kill -0 "$witness_pid" 2>/dev/null && fail "restart: Yes did not restart (the witness program still runs)"
fi
stop_witness

# Esc closes the window: exit code 0 and nothing written, even with a port typed.
echo "== type a port, then Esc"
set_port "$tds" 3389
set_port "$winstations" 3389
if start_velquor esc; then
  xdotool type --delay 60 "4444"
  import -window root "$shots/before-esc.png"
  xdotool key Escape
  expect_outcome esc 0 3389 3389
fi

# Enter on the button does not start the change; the refused port is reported
# and nothing is written.
echo "== Enter on the button, then a refused port"
set_port "$tds" 3389
set_port "$winstations" 3389
if start_velquor refuse; then
  xdotool type --delay 60 "70000"
  xdotool key Tab Return
  sleep 1
  if find_window '信息：' >/dev/null; then fail "refuse: Enter pressed the button"; fi
  xdotool key space
  if wait_for_window '信息：' >/dev/null; then
    sleep 0.5
    import -window root "$shots/refused.png"
    xdotool key Return  # OK
  else
    fail "refuse: no message for port 70000"
  fi
  sleep 1
  kill -0 "$velquor_pid" 2>/dev/null || fail "refuse: the program ended after a refused port"
  xdotool key Escape
  expect_outcome refuse 0 3389 3389
fi

echo "screenshots: $shots"
if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "all black-box checks passed"
