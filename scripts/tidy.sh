#!/usr/bin/env bash
# clang-tidy over every C++ file of the layers, the tools and the tests, with
# the checks of .clang-tidy (any finding fails), on the default build's
# compile commands. Only the findings are shown.
set -uo pipefail
cd "$(dirname "$0")/.."
run-clang-tidy -p build -quiet -j "$(nproc)" \
  "^$PWD/(app|cli|data|grid|jobs|link|platform|report|trace|views|workbook|tools|tests)/" 2>&1 |
  grep -v -e '^clang-tidy' -e 'warnings generated' -e '^Suppressed' -e 'Use -header-filter'
exit "${PIPESTATUS[0]}"
