#!/usr/bin/env bash
# Installs what the Windows cross build needs, builds the suite as 32-bit
# Windows DLLs (windows-i686 preset) and runs every test executable under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
# The install fails loudly where Wine's 32-bit half cannot run at all, and the
# first test, wine.starts_a_program, where Wine cannot start a program.
scripts/install-windows-deps.sh
cmake --preset windows-i686 >/dev/null
cmake --build --preset windows-i686
ctest --preset windows-i686 "$@"
