#!/usr/bin/env bash
# Installs what building and testing Velquor needs on Debian 12, once.
# Idempotent: when every package is already present it does nothing.
set -euo pipefail

packages=(
  cmake ninja-build g++ make
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  wine wine64
  xvfb xdotool x11-utils imagemagick fonts-wqy-microhei fonts-wine
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# 32-bit Wine cannot run on these kernels; a wine32 package would only get in the way.
if dpkg-query -W -f='${Status}' wine32 2>/dev/null | grep -q 'install ok installed'; then
  echo "setup: warning: wine32 is installed; the tests use the 64-bit Wine only" >&2
fi
