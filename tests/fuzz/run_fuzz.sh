#!/usr/bin/env bash
# Fuzzes the wave loader for the given number of seconds (default 10) in a clang build of its own
# (mixer only, with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer). Exits non-zero
# when the fuzzer finds a crash, a leak or a wrong result; the input is kept in the artifacts folder.
#   tests/fuzz/run_fuzz.sh [SECONDS]      e.g. tests/fuzz/run_fuzz.sh 600 for a longer run
# ZERU_FUZZ_BUILD_DIR chooses the build folder (default build/fuzz); new inputs found are kept in
# its corpus/ folder and reused by later runs.
set -euo pipefail

seconds="${1:-10}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${ZERU_FUZZ_BUILD_DIR:-$root/build/fuzz}"

cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link" \
  -DZERU_SANITIZE=ON -DZERU_BUILD_GAME=OFF -DZERU_BUILD_TESTS=ON -DZERU_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target wave_loader_fuzz write_wave_seeds -j2 >/dev/null

seeds="$build/fuzz-seeds"
corpus="$build/fuzz-corpus"
artifacts="$build/fuzz-artifacts"
rm -rf "$seeds"
mkdir -p "$seeds" "$corpus" "$artifacts"
"$build/bin/write_wave_seeds" "$seeds"

# Inputs of at most 4096 bytes convert to at most about 361 MB (mono 8-bit at 1 Hz upsampled to
# stereo 44100 Hz); an allocation of 512 MB or more can only come from trusting a claimed size.
"$build/bin/wave_loader_fuzz" -max_total_time="$seconds" -max_len=4096 -malloc_limit_mb=512 -timeout=20 \
  -print_final_stats=1 \
  -artifact_prefix="$artifacts/" "$corpus" "$seeds"
