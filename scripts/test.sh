#!/usr/bin/env bash
# Installs what is missing, builds the suite (default preset) and runs the
# whole test suite with ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default "$@"
