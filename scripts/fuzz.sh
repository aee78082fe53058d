#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz preset, clang) and runs each one for the
# given number of seconds (default 30) from its seed corpus in fuzz/corpus/;
# `scripts/fuzz.sh --long` runs each one for 10 minutes. Every run ends with
# libFuzzer's final statistics (executions, coverage).
# Any crash, leak or sanitizer report fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
case ${1:-30} in
  --long) seconds=600 ;;
  *[!0-9]* | "")
    echo "usage: scripts/fuzz.sh [SECONDS | --long]" >&2
    exit 2
    ;;
  *) seconds=${1:-30} ;;
esac
scripts/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
shopt -s nullglob
targets=(build/fuzz/bin/fuzz_*)
if ((${#targets[@]} == 0)); then
  echo "no fuzz targets were built" >&2
  exit 1
fi
for target in "${targets[@]}"; do
  name=$(basename "$target")
  work=$(mktemp -d)
  corpus=(fuzz/corpus/"${name#fuzz_}")
  [[ -d ${corpus[0]} ]] || corpus=()
  echo "--- $name for ${seconds}s"
  "$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$work/" "$work" "${corpus[@]}"
  rm -rf "$work"
done
