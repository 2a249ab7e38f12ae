#!/usr/bin/env bash
# Builds Tablevane and runs the whole test suite (unit, gui, office), showing the
# output of every failing test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
ctest --test-dir build --output-on-failure
