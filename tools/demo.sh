#!/usr/bin/env bash
# Builds the program and starts the editor on a copy of the demo home (demo/: a small xml_DB, a
# settings file and a profile in profiles/), the demo profile opening right after the login. The
# copy, made once in /tmp/tabrin-demo (or $TABRIN_DEMO_HOME), keeps what the editor writes on
# closing out of the repository.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTABRIN_BUILD_TESTS=OFF
cmake --build build-release -j2
home="${TABRIN_DEMO_HOME:-/tmp/tabrin-demo}"
[ -d "$home" ] || cp -r demo "$home"
TABRIN_HOME="$home" exec build-release/src/ui/tabrin4 "$home/profiles/demo_drive.xml"
