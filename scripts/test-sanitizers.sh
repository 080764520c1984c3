#!/usr/bin/env bash
# Checking builds: the concurrency tests under ThreadSanitizer (build/tsan), and every native test
# under AddressSanitizer and UndefinedBehaviorSanitizer (build/asan). Usage: scripts/test-sanitizers.sh [tsan] [asan]
set -euo pipefail
cd "$(dirname "$0")/.."
trees=("$@"); [ ${#trees[@]} -eq 0 ] && trees=(tsan asan)
jobs=${VELDA_JOBS:-$(nproc)}

# The normal trees gate the warnings; -O1 with instrumentation raises a few spurious ones.
configure() {  # tree, sanitizers, extra flags
  if [ ! -f "build/$1/build.ninja" ]; then
    cmake -G Ninja -S . -B "build/$1" -DCMAKE_BUILD_TYPE=Release -DVELDA_WERROR=OFF "-DVELDA_SANITIZE=$2" \
      "-DCMAKE_CXX_FLAGS=$3" >/dev/null
  fi
}

for tree in "${trees[@]}"; do
  case "$tree" in
  tsan)
    echo "== ThreadSanitizer: concurrency tests"
    configure tsan thread ""
    cmake --build build/tsan -j "$jobs" --target emberline2_dsp_tests cindermote_tests robustness_tests
    export TSAN_OPTIONS="${TSAN_OPTIONS:-halt_on_error=1 second_deadlock_stack=1}"
    # Run outside ctest: keep whatever the effects store in the tree, as ctest does.
    export XDG_CONFIG_HOME="$PWD/build/tsan/tests/user-store"
    # Each program ends non-zero on a reported race.
    build/tsan/tests/emberline2_dsp_tests --gtest_filter='EngineThreads.*'
    build/tsan/tests/cindermote_tests --gtest_filter='*FromAnotherThread*'
    build/tsan/tests/robustness_tests --gtest_filter='*ThreadedAutomation*'
    ;;
  asan)
    echo "== AddressSanitizer and UndefinedBehaviorSanitizer: every native test"
    configure asan address,undefined "-fno-sanitize-recover=undefined -fsanitize=float-cast-overflow"
    cmake --build build/asan -j "$jobs"
    export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
    # The tests that drive the velda tool see every library it unloads leave its never-freed statics
    # (and other makers' leaks) behind as leaks without a module to name: no leak check there.
    unloading='velda_tool_tests|screenshot'
    ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}" \
      ctest --test-dir build/asan --output-on-failure -j "$jobs" -E "$unloading"
    ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}" \
      ctest --test-dir build/asan --output-on-failure -j "$jobs" -R "$unloading"
    ;;
  *) echo "unknown tree: $tree" >&2; exit 2 ;;
  esac
done
