#!/usr/bin/env bash
# Builds every fuzzer with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) in
# build/fuzz and runs each for the given number of seconds (default 60). Exits 1 when a fuzzer
# finds a failure; the input that shows it is left in build/fuzz/artifacts/<fuzzer>/.
# Usage: tests/fuzz/run-fuzzers.sh [seconds]
set -euo pipefail
seconds="${1:-60}"
root="$(cd "$(dirname "$0")/../.." && pwd)"
tree="$root/build/fuzz"
jobs=${VELDA_JOBS:-$(nproc)}

# name and longest input
fuzzers=(
  "FuzzChunkThenProcess 8192"
  "FuzzAudioBlocks 2048"
  "FuzzValueTexts 16"
  "FuzzTypedEntry 64"
  "FuzzPresetRecords 8192"
  "FuzzRegistryValueFile 8192"
  "FuzzRegistryStore 8192"
)

if [ ! -f "$tree/build.ninja" ]; then
  # The clang tree only builds what the fuzzers link; its warnings are not the build's gate.
  cmake -G Ninja -S "$root" -B "$tree" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVELDA_WERROR=OFF -DVELDA_FUZZ=ON \
    "-DVELDA_SANITIZE=address,undefined,fuzzer-no-link" \
    "-DCMAKE_CXX_FLAGS=-fno-sanitize-recover=undefined" >/dev/null
fi
targets=()
for f in "${fuzzers[@]}"; do targets+=("${f%% *}"); done
cmake --build "$tree" -j "$jobs" --target "${targets[@]}"

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
# One fuzzer per core at a time.
run() {  # name, longest input
  local name="$1" maxLen="$2"
  local corpus="$tree/corpus/$name" artifacts="$tree/artifacts/$name"
  mkdir -p "$corpus" "$artifacts" "$root/tests/fuzz/corpus/$name"
  # New inputs go to the build tree; the seeds kept in the source tree stay as they are.
  if (cd "$tree" && "$tree/fuzzers/$name" -max_total_time="$seconds" -max_len="$maxLen" -timeout=20 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$artifacts/" \
        "$corpus" "$root/tests/fuzz/corpus/$name" >"$tree/$name.log" 2>&1); then
    echo "== $name: $(grep -o 'Done [0-9]* runs in [0-9]* second(s)' "$tree/$name.log")"
  else
    tail -n 40 "$tree/$name.log" >&2
    echo "!! $name found a failure: see $artifacts/" >&2
    return 1
  fi
}

echo "== Running ${#fuzzers[@]} fuzzers for ${seconds}s each, $jobs at a time"
status=0
running=0
for f in "${fuzzers[@]}"; do
  if [ "$running" -ge "$jobs" ]; then
    wait -n || status=1
    running=$((running - 1))
  fi
  run ${f} &
  running=$((running + 1))
done
while [ "$running" -gt 0 ]; do
  wait -n || status=1
  running=$((running - 1))
done
exit $status
