#!/usr/bin/env bash
# Installs what the Windows cross build needs, builds the suite as 32-bit
# Windows DLLs (windows-i686 preset) and runs every test executable under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-windows-deps.sh
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  echo "error: Wine cannot start a 32-bit program on this machine; the Windows tests cannot run" >&2
  exit 1
fi
cmake --preset windows-i686 >/dev/null
cmake --build --preset windows-i686
ctest --preset windows-i686 "$@"
