#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer, runs every test,
# then, when clang is there, a short smoke run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTABRIN_SANITIZE=ON "${launcher[@]}"
cmake --build build-test -j2
ctest --test-dir build-test --output-on-failure -j2
if command -v clang++ >/dev/null; then
  tools/fuzz.sh --runs 20000
fi
