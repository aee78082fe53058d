#!/usr/bin/env bash
# Parses every .xml and .svg file below the given folders (default
# /usr/share) with ParseXMLFile and with libxml2 and compares the trees.
# Prints each difference and the counts; fails on any difference, a document
# refused for its encoding included.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${XML_REALWORLD_BUILD_DIR:-build/default}
cmake --preset default -B "$build" >/dev/null
cmake --build "$build" --target xml_realworld_compare
"$build/bin/xml_realworld_compare" "${@:-/usr/share}"
