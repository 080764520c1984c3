#!/usr/bin/env bash
# Builds the fuzzers of the settings store and the preset records with clang and runs each
# for the given number of seconds (default 60). Usage: tests/fuzz/run-store-fuzzers.sh [seconds]
set -euo pipefail
seconds="${1:-60}"
root="$(cd "$(dirname "$0")/../.." && pwd)"
out="$root/build/fuzz-store"
mkdir -p "$out"
flags=(-std=c++20 -O1 -g -fno-omit-frame-pointer -fsanitize=fuzzer,address,undefined
       -fno-sanitize-recover=undefined -ffp-contract=off -I"$root")

build() {
  local name="$1"; shift
  clang++ "${flags[@]}" "$root/tests/fuzz/$name.cpp" "$@" -o "$out/$name"
}
build FuzzPresetRecords "$root/presets/PresetFileRecord.cpp"
build FuzzRegistryValueFile "$root/platform/RegistryValueFile.cpp" "$root/platform/RegistryText.cpp"
build FuzzRegistryStore "$root/platform/Registry.cpp" "$root/platform/RegistryValueFile.cpp" \
  "$root/platform/RegistryText.cpp" "$root/platform/RegistryFileStore.cpp" "$root/platform/RegistryTestRoot.cpp" \
  "$root/presets/PresetFileRecord.cpp" "$root/presets/PresetDefaults.cpp" "$root/shell/PreferenceStore.cpp"

status=0
for name in FuzzPresetRecords FuzzRegistryValueFile FuzzRegistryStore; do
  corpus="$out/corpus/$name"
  mkdir -p "$corpus" "$out/artifacts/$name"
  echo "== $name for ${seconds}s"
  # Findings go to the build tree; the seeds in the source tree stay as they are.
  if ! (cd "$out" && "./$name" -max_total_time="$seconds" -max_len=8192 -timeout=10 \
        -artifact_prefix="$out/artifacts/$name/" "$corpus" "$root/tests/fuzz/corpus/$name"); then
    echo "!! $name found a failure: see $out/artifacts/$name/" >&2
    status=1
  fi
done
exit $status
