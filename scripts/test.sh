#!/usr/bin/env bash
# Installs what is missing, builds Linux and Windows, runs every test (Windows ones under wine),
# validates every plug-in build at the highest strictness, then the sanitizer and fuzzing runs.
set -euo pipefail
cd "$(dirname "$0")/.."
# ccache hits across clones in other folders (CI clones afresh).
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true
scripts/install-deps.sh
scripts/build.sh linux windows

echo "== Linux tests"
ctest --test-dir build/linux --output-on-failure -j 2

echo "== Windows tests (wine)"
source scripts/wine-env.sh
ctest --test-dir build/windows --output-on-failure

echo "== velda validate --strictness 10"
# Each product with the other two of its tree loaded and processing in the same process.
others() { for o in "${@:2}"; do if [ "$o" != "$1" ]; then printf -- '--with\n%s\n' "$o"; fi; done; }
for p in build/linux/plugins/*.so; do
  mapfile -t with < <(others "$p" build/linux/plugins/*.so)
  build/linux/tools/velda validate "$p" --strictness 10 "${with[@]}" | tail -n 1
done
for p in build/windows/plugins/*.dll; do
  mapfile -t with < <(others "$p" build/windows/plugins/*.dll)
  wine build/windows/tools/velda.exe validate "$p" --strictness 10 "${with[@]}" | tail -n 1
done

if [ -x scripts/test-extra.sh ]; then scripts/test-extra.sh; fi
