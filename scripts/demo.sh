#!/usr/bin/env bash
# Installs what is missing, builds, and renders the built-in demo signal through the plug-ins.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh linux
out=${1:-out/demo}
mkdir -p "$out"
for p in build/linux/plugins/*.so; do
  build/linux/tools/velda info "$p"
done
build/linux/tools/velda demo --out "$out" build/linux/plugins/*.so
echo "Demo written to $out"
