#!/usr/bin/env bash
# Runs every benchmark program that the build made.
set -euo pipefail
cd "$(dirname "$0")/.."
status=0
for b in build/bench/*/bench_*; do
  [ -x "$b" ] || continue
  echo "== $b"
  QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$b" || status=1
done
exit $status
