#!/usr/bin/env bash
# Makes the Wine prefix (a private Windows folder tree) in which the MinGW
# build's tests run, without a display: no window opens, and Wine's offers to
# install Mono and Gecko are declined, since the tests need neither.
#   scripts/wine-prefix.sh PREFIX
set -euo pipefail
prefix=${1:?usage: wine-prefix.sh PREFIX}
if [ -f "$prefix/system.reg" ]; then
  exit 0
fi
mkdir -p "$prefix"
unset DISPLAY WAYLAND_DISPLAY
export WINEPREFIX=$(cd "$prefix" && pwd) WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot --init
wineserver --wait
