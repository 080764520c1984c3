#!/usr/bin/env bash
# Configures and builds the Linux and/or Windows trees: scripts/build.sh [linux] [windows]
set -euo pipefail
cd "$(dirname "$0")/.."
# ccache hits across clones in other folders (CI clones afresh).
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true
targets=("$@"); [ ${#targets[@]} -eq 0 ] && targets=(linux windows)
jobs=${VELDA_JOBS:-$(nproc)}
for t in "${targets[@]}"; do
  case "$t" in
    linux) extra=() ;;
    windows) extra=(-DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake) ;;
    *) echo "unknown target: $t" >&2; exit 2 ;;
  esac
  if [ ! -f "build/$t/build.ninja" ]; then
    cmake -G Ninja -S . -B "build/$t" -DCMAKE_BUILD_TYPE=Release "${extra[@]}" >/dev/null
  fi
  if [ "$t" = windows ]; then
    # The editor bitmaps are drawn by a generator that runs on this machine: the Linux tree makes them.
    [ -f build/linux/build.ninja ] || cmake -G Ninja -S . -B build/linux -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build build/linux -j "$jobs" --target velda_artwork_Emberline2 velda_artwork_Emberline velda_artwork_Cindermote
  fi
  cmake --build "build/$t" -j "$jobs"
done
