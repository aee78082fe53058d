#!/usr/bin/env bash
# Builds the suite as 32-bit Windows DLLs (windows-i686 preset) and tests it,
# in stages:
#   1. the cross build, and the checks that need no Wine (every DLL is a PE32
#      i686 DLL, each DLL imports exactly what it should and Arborix.dll its
#      bootstrap calls by ordinal, the packaging consumer builds) always run,
#      and fail the script when they fail;
#   2. every test executable and tool test runs under Wine when Wine with its
#      32-bit half is installed or can be installed (scripts/install-wine.sh).
#      When the package registry will not give it, or ATELIER_WINE=never, the
#      tests under Wine are skipped and a line starting "SKIPPED:" says why.
# A test that fails under Wine fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-windows-deps.sh

skipped=
status=0
reason=$(scripts/install-wine.sh) || status=$?
case $status in
  0) ;;
  3) skipped="SKIPPED: tests under Wine: $reason" ;;
  *) exit "$status" ;;
esac

cmake --preset windows-i686 >/dev/null
cmake --build --preset windows-i686
if [[ -z $skipped ]]; then
  ctest --preset windows-i686 "$@"
else
  echo "$skipped"
  ctest --preset windows-i686 --label-exclude wine "$@"
  echo "$skipped"
fi
