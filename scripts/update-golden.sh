#!/usr/bin/env bash
# Writes kav-convert's outputs for every sample into tests/cli/golden/ (the
# CSV, the document, --info, and a loss test's verdicts, also against the
# limit file of the sample's name in tests/cli/limits/), the listings of the
# samples' reports, of a loss test's summary page and of a stability
# certificate into tests/report/golden/, and the live trace's CSV log into
# tests/link/golden/, again, after a deliberate change of an output format;
# the change then shows as a diff to review and commit with it.
#   scripts/update-golden.sh
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset default >/dev/null
cmake --build --preset default --target cli_tests report_tests link_core_tests
KAV_SOURCE_DIR="$PWD" KAV_UPDATE_GOLDEN=1 build/tests/cli/cli_tests \
  --gtest_filter=KavConvert.EverySampleGivesItsGoldenOutputs
KAV_SOURCE_DIR="$PWD" KAV_UPDATE_GOLDEN=1 build/tests/report/report_tests \
  --gtest_filter='ReportGoldenTest.*'
KAV_SOURCE_DIR="$PWD" KAV_UPDATE_GOLDEN=1 build/tests/link/link_core_tests \
  --gtest_filter=LinkCsvLog.LogOfATraceGivesItsGoldenFile
git status --short tests/cli/golden tests/report/golden tests/link/golden
