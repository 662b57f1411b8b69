#!/usr/bin/env bash
# Builds the program and runs it on the demo home (demo/: a small xml_DB and settings file).
# The editor window is not built yet, so this runs the base export of the demo home into
# /tmp/tabrin-demo and shows the file it wrote.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTABRIN_BUILD_TESTS=OFF
cmake --build build-release -j2
mkdir -p /tmp/tabrin-demo
TABRIN_HOME="$PWD/demo" build-release/src/ui/tabrin4 -export-texts /tmp/tabrin-demo
echo "Wrote /tmp/tabrin-demo/coTextBase.xml (Windows-1251):"
iconv -f cp1251 -t utf-8 /tmp/tabrin-demo/coTextBase.xml | head -n 12
