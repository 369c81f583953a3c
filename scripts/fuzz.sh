#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (address + undefined sanitizers) and runs each one
# for a bounded time: scripts/fuzz.sh [SECONDS-PER-TARGET]
# Each target's corpus lives in fuzz/corpus/<target>/, outside any build folder, so what one run
# finds is where the next run starts (set VANTREL_FUZZ_CORPUS to keep it elsewhere). The few
# seeds committed there are the starting points; what the fuzzer adds is not committed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"

"scripts/setup.sh"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DVANTREL_FUZZ=ON -DVANTREL_BENCH=OFF >/dev/null
targets=()
for source in fuzz/*.cpp; do
  targets+=("$(basename "${source%.cpp}")")
done
cmake --build build-fuzz --target "${targets[@]}"
for target in "${targets[@]}"; do
  corpus="${VANTREL_FUZZ_CORPUS:-fuzz/corpus}/$target"
  mkdir -p "$corpus"
  echo "== fuzzing $target for ${seconds}s"
  "build-fuzz/bin/$target" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 -print_final_stats=1 "$corpus" 2>&1 | tail -n 12
done
