#!/usr/bin/env bash
# The checking runs scripts/test.sh ends with: ThreadSanitizer and AddressSanitizer/UBSan trees,
# then every fuzzer for a minute (VELDA_FUZZ_SECONDS to change).
set -euo pipefail
cd "$(dirname "$0")/.."
start=$SECONDS
scripts/test-sanitizers.sh
tests/fuzz/run-fuzzers.sh "${VELDA_FUZZ_SECONDS:-60}"
echo "== Sanitizer and fuzzing runs passed in $((SECONDS - start)) s"
