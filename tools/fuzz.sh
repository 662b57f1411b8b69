#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (AddressSanitizer and UndefinedBehaviorSanitizer
# on, release optimisation) in build-fuzz/ and runs them one after another.
#
#   tools/fuzz.sh [SECONDS] [TARGET...]    each target for SECONDS (default 60), growing its corpus
#                                          in build-fuzz/corpus/TARGET
#   tools/fuzz.sh --runs N [TARGET...]     each target for N executions from its seeds alone (the
#                                          smoke run of tools/test.sh)
#
# TARGET is a name of fuzz/NAME_fuzzer.cpp (default: all). Any finding stops the script with a
# non-zero exit; its input is kept in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."

limit=(-max_total_time=60)
smoke=false
if [ "${1:-}" = "--runs" ]; then
  limit=(-runs="$2" -seed=1)
  smoke=true
  shift 2
elif [[ "${1:-}" =~ ^[0-9]+$ ]]; then
  limit=(-max_total_time="$1")
  shift
fi
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in fuzz/*_fuzzer.cpp; do
    name=$(basename "$source" _fuzzer.cpp)
    targets+=("$name")
  done
fi

build=build-fuzz
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DTABRIN_FUZZ=ON \
  -DTABRIN_BUILD_GUI=OFF -DTABRIN_BUILD_TESTS=OFF -DTABRIN_BUILD_BENCHMARKS=OFF "${launcher[@]}" >/dev/null
cmake --build "$build" -j2 --target tabrin_fuzzers

# The files the targets write go to memory when it can hold them; saving syncs every file.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm
export UBSAN_OPTIONS=print_stacktrace=1
mkdir -p "$build/findings"
for name in "${targets[@]}"; do
  dictionary=fuzz/xml.dict
  [ "$name" = settings ] && dictionary=fuzz/ini.dict
  corpus="$build/corpus/$name"
  if $smoke; then
    corpus="$build/smoke/$name"
    rm -rf "$corpus"
  fi
  mkdir -p "$corpus"
  echo "== fuzz_$name ${limit[*]}"
  "$build/fuzz/fuzz_$name" "${limit[@]}" -timeout=30 -print_final_stats=1 -dict="$dictionary" \
    -artifact_prefix="$build/findings/$name-" "$corpus" "fuzz/corpus/$name"
done
