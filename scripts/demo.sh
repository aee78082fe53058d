#!/usr/bin/env bash
# Installs what is missing, builds the suite (default preset) and runs
# `atelier demo` on the sample data in examples/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
exec build/default/bin/atelier demo "$@"
