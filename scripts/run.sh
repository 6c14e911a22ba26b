#!/usr/bin/env bash
# Starts the program; with no display it says how to run headless instead.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -x build/app/kav ]; then
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ] && [ "$(uname)" = Linux ]; then
    echo "No display found: run headless with 'QT_QPA_PLATFORM=offscreen build/app/kav --screenshots DIR samples/*.bin' or start an X server (e.g. xvfb-run make run)."
    exit 0
  fi
  exec build/app/kav "$@"
fi
# A build without the Qt program (KAV_BUILD_GUI=OFF) still shows what the
# converter reads from the sample files.
for f in samples/*; do
  [ -f "$f" ] || continue
  case "$f" in *.md|*.txt) continue ;; esac
  build/cli/kav-convert "$f" --info
done
