#!/usr/bin/env bash
# Renders the pictures of the program with the sample files, which the user
# guide (both languages) and the README share: every tab, with a 20-second
# live trace of the simulated instrument on AUTOTRACE, and the first and the
# summary page of the loss-test report as kav-convert writes it to PDF. The
# README's picture of the grid control goes beside them in docs/screenshots.
# Needs no display (Qt's offscreen platform on a 1920 x 1080 screen).
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/guide/pictures}
demo=${2:-docs/screenshots}
screen=$(mktemp --suffix=.json)
scratch=$(mktemp -d)
home="$scratch/technician" # the live trace log goes to $HOME/COMData.txt
mkdir "$home"
trap 'rm -rf "$screen" "$scratch"' EXIT
echo '{ "screens": [ { "name": "screen", "x": 0, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96 } ] }' > "$screen"
HOME="$home" QT_QPA_PLATFORM="offscreen:configfile=$screen" \
  build/app/kav --simulate --trace-for "${TRACE_SECONDS:-20}" --screenshots "$out" samples/*.bin
QT_QPA_PLATFORM="offscreen:configfile=$screen" build/tools/grid-demo/grid-demo --rows 60 --screenshot "$demo/grid-demo.png"
# The report as a contractor sends it: a company, a header file, and a Fiber
# ID of 16 characters (written over the first record's) that wraps in its box.
cp samples/kav-three-wavelengths.bin "$scratch/site-7.bin"
printf 'OSP_LGX_A12_P005' | dd of="$scratch/site-7.bin" bs=1 seek=48 conv=notrunc status=none
cat > "$scratch/job.kavheader" <<'EOF'
{
  "JobId": "J-2041", "JobDate": "2024-05-02", "Reason": "Acceptance of the feeder to the business park",
  "Contractor": "Acme Fibre Ltd", "OperatorA": "J. Novák", "Customer": "City Net", "OperatorB": "Li Wei",
  "LocationA": "Exchange 3", "LocationB": "Cabinet 17", "CableMfr": "Corning", "CableType": "G.652.D 48F",
  "UnitNameA": "KAV-12 A", "UnitNameB": "KAV-12 B", "SerialNumberA": "SN 400112", "SerialNumberB": "SN 400113"
}
EOF
SOURCE_DATE_EPOCH=1714650000 build/cli/kav-convert "$scratch/site-7.bin" --pdf "$scratch/report-kav.pdf" \
  --page-size A4 --company "Acme Fibre Ltd" --header "$scratch/job.kavheader"
pdftoppm -png -r 80 -f 1 -l 1 -singlefile "$scratch/report-kav.pdf" "$out/report-kav"
build/cli/kav-convert samples/kav-three-wavelengths.bin --pdf "$scratch/report-summary.pdf" --page-size A4 \
  --limits tests/cli/limits/kav-three-wavelengths.kavlimits
summary=$(pdfinfo "$scratch/report-summary.pdf" | awk '/^Pages:/ { print $2 }')
pdftoppm -png -r 80 -f "$summary" -l "$summary" -singlefile "$scratch/report-summary.pdf" "$out/report-summary"
echo "pictures in $out and $demo"
