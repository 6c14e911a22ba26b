#!/usr/bin/env bash
# Runs every libFuzzer target of the fuzz build for SECONDS seconds each, with
# a seed corpus made from samples/; fails when any target finds a crash.
#   scripts/fuzz.sh SECONDS      (make fuzz builds the targets first)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-20}
build=${KAV_FUZZ_BUILD:-build-fuzz}
corpus_root=fuzz-corpus
# The seeds are written by the program build's kav-convert (make fuzz builds it
# first): the fuzz build has no widgets, and kav-convert paints reports.
convert=${KAV_CONVERT:-build/cli/kav-convert}

targets=("$build"/fuzz/fuzz_*)
if [ ! -x "${targets[0]}" ]; then
  echo "fuzz.sh: no fuzz targets in $build/fuzz (run 'make fuzz')" >&2
  exit 1
fi

# A 65-byte input report of the instrument: the report ID, a byte not read,
# then the fields given as escapes (wavelength big-endian, reference and power
# as little-endian floats), padded with zeros.
instrument_report() {
  { printf '\x00\x00%b' "$1"; head -c 53 /dev/zero; }
}

# The document readers are seeded with the documents Save As writes for the
# samples; the result-file decoders with the samples themselves; the limit
# file reader with the tests' limit files; the report decoder with reports in
# both layouts (hidapi delivers them without the ID byte) and a run of
# reports.
seed() {
  local name=$1 corpus=$2
  case $name in
    fuzz_OpmDocument) "$convert" samples/opm-readings.bin --document "$corpus/seed.opm" ;;
    fuzz_OrlDocument) "$convert" samples/orl-readings.bin --document "$corpus/seed.orl" ;;
    fuzz_KavDocument)
      "$convert" samples/kav-three-wavelengths.bin --document "$corpus/seed3.kav"
      "$convert" samples/kav-two-wavelengths.bin --document "$corpus/seed2.kav" ;;
    fuzz_TraceDocument) "$convert" samples/trace-1550nm.bin --document "$corpus/seed.trace" ;;
    fuzz_LimitFile) cp tests/cli/limits/*.kavlimits "$corpus/" ;;
    fuzz_ReportDecoder)
      instrument_report '\x06\x0e\xcd\xcc\x4c\xc0\x33\x33\x73\xc1' >"$corpus/1550nm.bin" # -3.20, -15.20 dBm
      instrument_report '\x05\x1e\x00\x00\x00\x00\x00\x00\xaa\xc2' >"$corpus/1310nm.bin" # 0.00, -85.00 dBm
      tail -c 64 "$corpus/1550nm.bin" >"$corpus/1550nm-delivered.bin"
      for report in 1550nm 1310nm 1550nm; do tail -c 64 "$corpus/$report.bin"; done >"$corpus/run.bin" ;;
    *) cp samples/*.bin "$corpus/" ;;
  esac
}

# Each target runs on one core: two at a time, as many as CI's machine has.
# A target's exit status is kept in a file beside its log.
run_target() {
  local name=$1 status=0
  "$build/fuzz/$name" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$corpus_root/crashes/$name/" "$corpus_root/$name" >"$corpus_root/$name.log" 2>&1 || status=$?
  echo "$status" >"$corpus_root/$name.status"
}

for target in "${targets[@]}"; do
  name=$(basename "$target")
  mkdir -p "$corpus_root/$name" "$corpus_root/crashes/$name"
  seed "$name" "$corpus_root/$name"
  while [ "$(jobs -rp | wc -l)" -ge 2 ]; do wait -n || true; done
  run_target "$name" &
done
wait

status=0
for target in "${targets[@]}"; do
  name=$(basename "$target")
  log=$corpus_root/$name.log
  if [ "$(cat "$corpus_root/$name.status")" = 0 ]; then
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    echo "$name: no crash in ${seconds}s, ${rate:-?} inputs/s ($(ls "$corpus_root/$name" | wc -l) corpus files)"
  else
    echo "$name: FAILED, see $log and $corpus_root/crashes/$name" >&2
    tail -n 40 "$log" >&2
    status=1
  fi
done
exit $status
