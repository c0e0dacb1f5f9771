#!/usr/bin/env bash
# Builds the two libFuzzer targets (the EMF page reader and the settings-file reader) with clang,
# under the address and undefined-behaviour sanitizers, and runs each in turn for SECONDS (default
# 600) on a working corpus seeded from fuzz/corpus_*. Needs Debian's clang and libclang-rt-14-dev.
# A crash or leak stops that target and leaves its input in BUILD/artefactos/.
# Usage: scripts/fuzz.sh [SECONDS]   (ZR_FUZZ_BUILD chooses the build folder, default build-fuzz)
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
segundos=${1:-600}
build=${ZR_FUZZ_BUILD:-$raiz/build-fuzz}
command -v clang++ >/dev/null || { echo "falta clang: apt-get install clang libclang-rt-14-dev" >&2; exit 1; }
CC=clang CXX=clang++ cmake -S "$raiz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZR_FUZZ=ON \
  -DZR_SANITIZE=ON -DZR_TESTS=OFF "-DZR_OMITE=demo;gastos;tesoreria;render;ui;app;bench" >/dev/null
ninja -C "$build" fuzz_lector_emf fuzz_lector_ini
mkdir -p "$build/artefactos"
for lector in emf ini; do
  corpus="$build/corpus_$lector"
  mkdir -p "$corpus"
  cp -n "$raiz/fuzz/corpus_$lector"/* "$corpus/"
  echo "== fuzz_lector_$lector: $segundos s" >&2
  "$build/fuzz/fuzz_lector_$lector" -max_total_time="$segundos" -print_final_stats=1 \
    -artifact_prefix="$build/artefactos/$lector-" "$corpus"
done
