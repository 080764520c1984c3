#!/usr/bin/env bash
# Installs what is missing, builds Linux and Windows, runs every test (Windows ones under wine).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh linux windows
echo "== Linux tests"
ctest --test-dir build/linux --output-on-failure -j 2
echo "== Windows tests (wine)"
source scripts/wine-env.sh
ctest --test-dir build/windows --output-on-failure
if [ -x scripts/test-extra.sh ]; then scripts/test-extra.sh; fi
