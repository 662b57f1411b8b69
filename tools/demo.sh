#!/usr/bin/env bash
# Builds the program and starts the editor on the demo home (demo/: a small xml_DB, a settings file
# and a profile in demo/profiles).
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTABRIN_BUILD_TESTS=OFF
cmake --build build-release -j2
TABRIN_HOME="$PWD/demo" exec build-release/src/ui/tabrin4
