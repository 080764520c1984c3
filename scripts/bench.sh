#!/usr/bin/env bash
# Builds the plug-ins and the host tool in build/bench-linux and times them beside the Debian
# peers with `velda bench` (CPU seconds of the processing thread, times realtime).
#   scripts/bench.sh [--seconds S] [--repeat N] [--quick]
# Each table is run N times (default 3); the best run of each row is what BENCHMARKS.md quotes,
# because other work on the machine only ever adds time.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=10
repeat=3
quick=0
while [ $# -gt 0 ]; do
  case "$1" in
    --seconds) seconds="$2"; shift 2 ;;
    --repeat) repeat="$2"; shift 2 ;;
    --quick) quick=1; shift ;;
    *) echo "usage: scripts/bench.sh [--seconds S] [--repeat N] [--quick]" >&2; exit 2 ;;
  esac
done

build=${VELDA_BENCH_BUILD:-build/bench-linux}
[ -f "$build/build.ninja" ] || cmake -G Ninja -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target velda VeldaEmberline2.so VeldaEmberline.so VeldaCindermote.so \
  VeldaFixture.so velda_instances_bench >/dev/null

velda="$build/tools/velda"
p="$build/plugins"
fixture="$build/tests/fixtures/VeldaFixture.so"
lsp_limiter=$(dpkg -L lsp-plugins-vst | grep '/limiter-stereo.so$')
lsp_compressor=$(dpkg -L lsp-plugins-vst | grep '/compressor-stereo.so$')
zam_multi=$(dpkg -L zam-plugins | grep 'ZaMultiCompX2-vst.so$')

# Parameter settings: Emberline2 26 = FAT, 1 = three-band, 3 = link, 28 = Auto;
# LSP limiter 14 = oversampling (0 none, 0.1 "Half x2").
ours_default="$p/VeldaEmberline2.so"
ours_fat="$p/VeldaEmberline2.so:26=1"
ours_multi="$p/VeldaEmberline2.so:1=1,3=0,28=1,26=1"

echo "# machine"
lscpu | grep -E 'Model name|^CPU\(s\)|L1d|L2|L3' || true
echo "compiler: $(c++ --version | head -1)"
echo

table() {  # title, then velda bench arguments
  local title="$1"; shift
  echo "# $title"
  for run in $(seq "$repeat"); do
    echo "## run $run: velda bench $*"
    "$velda" bench "$@" 2>&1
  done
  echo
}

table "main table: 44.1 kHz, blocks of 512" \
  "$fixture" "$ours_default" "$lsp_limiter:14=0" "$ours_fat" "$lsp_limiter:14=0.1" \
  "$ours_multi" "$zam_multi" "$p/VeldaCindermote.so" "$lsp_compressor" "$p/VeldaEmberline.so" \
  --rate 44100 --block 512 --seconds "$seconds"

# The same pairs through velda_instances_bench with one instance, which renders once. The
# configurations take turns, round after round, and each row keeps its best round: the pairs
# then meet the same conditions, and outside load only ever adds time.
pairs=(
  "$fixture"
  "$p/VeldaEmberline2.so"
  "$lsp_limiter --set 14=0"
  "$p/VeldaEmberline2.so --set 26=1"
  "$lsp_limiter --set 14=0.1"
  "$p/VeldaEmberline2.so --set 1=1 --set 3=0 --set 28=1 --set 26=1"
  "$zam_multi"
  "$p/VeldaCindermote.so"
  "$lsp_compressor"
  "$p/VeldaEmberline.so"
)
declare -A best
rounds=$((repeat * 2))
for round in $(seq "$rounds"); do
  for cfg in "${pairs[@]}"; do
    # shellcheck disable=SC2086  # the configuration is a library followed by its options
    t=$("$build/tests/velda_instances_bench" $cfg --instances 1 --block 512 --seconds "$seconds" | \
        sed -n 's/^1 instance: \([0-9.]*\) CPU s.*/\1/p')
    if [ -z "${best[$cfg]:-}" ] || awk -v a="$t" -v b="${best[$cfg]}" 'BEGIN { exit !(a < b) }'; then
      best[$cfg]=$t
    fi
  done
done
echo "# one render each, velda_instances_bench --instances 1 (44.1 kHz, blocks of 512, best of $rounds rounds)"
for cfg in "${pairs[@]}"; do
  lib=${cfg%% *}
  opts=${cfg#"$lib"}
  printf '%-28s %-44s %s CPU s (%s x realtime)\n' "$(basename "$lib")" "${opts# }" "${best[$cfg]}" \
    "$(awk -v t="${best[$cfg]}" -v s="$seconds" 'BEGIN { printf "%.0f", s / t }')"
done
echo

[ "$quick" = 1 ] && exit 0

for block in 32 64 128 256 1024 4096; do
  table "block size $block at 44.1 kHz" \
    "$fixture" "$ours_default" "$ours_fat" "$ours_multi" "$p/VeldaCindermote.so" "$p/VeldaEmberline.so" \
    --rate 44100 --block "$block" --seconds "$seconds"
done

for rate in 96000 192000; do
  table "sample rate $rate, blocks of 512" \
    "$fixture" "$ours_default" "$ours_fat" "$ours_multi" "$p/VeldaCindermote.so" "$p/VeldaEmberline.so" \
    "$lsp_limiter:14=0" "$lsp_compressor" --rate "$rate" --block 512 --seconds "$seconds"
done

echo "# 64 Cindermote instances side by side against one (44.1 kHz, blocks of 512)"
for run in $(seq "$repeat"); do
  "$build/tests/velda_instances_bench" "$p/VeldaCindermote.so" --instances 64 --block 512 --seconds "$seconds"
done
