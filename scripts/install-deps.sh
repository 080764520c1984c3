#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need, when missing.
set -euo pipefail
packages=(
  cmake ninja-build g++ ccache pkg-config
  mingw-w64 g++-mingw-w64-x86-64-posix wine wine64
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  libsndfile1-dev libstb-dev fonts-liberation2 libcairo2-dev libx11-dev
  xvfb xauth clang libclang-rt-14-dev valgrind
  lsp-plugins-vst zam-plugins
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}" >&2
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
