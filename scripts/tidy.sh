#!/usr/bin/env bash
# clang-tidy over every C++ file of the layers, the benchmarks, the fuzz
# targets, the tools and the tests, with the checks of .clang-tidy (any
# finding fails), on the compile commands of the build that compiles each:
# the default build, and the fuzz preset's for the fuzz targets, which only
# that build compiles (configuring it is enough). Only the findings are shown.
set -uo pipefail
cd "$(dirname "$0")/.."

tidy() {
  run-clang-tidy -quiet -j "$(nproc)" "$@" 2>&1 |
    grep -v -e '^clang-tidy' -e 'warnings generated' -e '^Suppressed' -e 'Use -header-filter'
  return "${PIPESTATUS[0]}"
}

cmake --preset fuzz >/dev/null || exit 1
tidy -p build "^$PWD/(app|bench|cli|data|grid|jobs|link|platform|report|trace|views|workbook|tools|tests)/"
layers=$?
tidy -p build-fuzz "^$PWD/fuzz/"
fuzz=$?
exit $((layers != 0 || fuzz != 0))
