#!/usr/bin/env bash
# Renders the README's pictures of the program with the sample files: every
# tab, with a 20-second live trace of the simulated instrument on AUTOTRACE,
# and the first and the summary page of the loss-test report as kav-convert
# writes it to PDF.
# Needs no display (Qt's offscreen platform on a 1920 x 1080 screen).
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshots}
screen=$(mktemp --suffix=.json)
scratch=$(mktemp -d)
home="$scratch/technician" # the live trace log goes to $HOME/COMData.txt
mkdir "$home"
trap 'rm -rf "$screen" "$scratch"' EXIT
echo '{ "screens": [ { "name": "screen", "x": 0, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96 } ] }' > "$screen"
HOME="$home" QT_QPA_PLATFORM="offscreen:configfile=$screen" \
  build/app/kav --simulate --trace-for "${TRACE_SECONDS:-20}" --screenshots "$out" samples/*.bin
QT_QPA_PLATFORM="offscreen:configfile=$screen" build/tools/grid-demo/grid-demo --rows 60 --screenshot "$out/grid-demo.png"
build/cli/kav-convert samples/kav-three-wavelengths.bin --pdf "$scratch/report-kav.pdf" --page-size A4
pdftoppm -png -r 80 -f 1 -l 1 -singlefile "$scratch/report-kav.pdf" "$out/report-kav"
build/cli/kav-convert samples/kav-three-wavelengths.bin --pdf "$scratch/report-summary.pdf" --page-size A4 \
  --limits tests/cli/limits/kav-three-wavelengths.kavlimits
summary=$(pdfinfo "$scratch/report-summary.pdf" | awk '/^Pages:/ { print $2 }')
pdftoppm -png -r 80 -f "$summary" -l "$summary" -singlefile "$scratch/report-summary.pdf" "$out/report-summary"
echo "pictures in $out"
