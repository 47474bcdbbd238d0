#!/usr/bin/env bash
# Times the retouch operations beside ImageMagick on the same 3000 × 3000
# 24-bit picture in one run and prints the ratio (ImageMagick time / ours).
#
#   bench/compare-imagemagick.sh [build directory]   (default: build-bench)
#
# Our side: bench/cdcover_bench (Google Benchmark, median of 3 repetitions,
# wall time). ImageMagick's side: `convert -bench 3` on a memory-mapped pixel
# cache (.mpc) of the same noise picture, the best iteration rate over the
# thread counts ImageMagick tries, less the time of the same command without
# the operation. ImageMagick's time thus still includes pulling the pixels from
# its mapped 16-bit cache, which is part of what it does for the operation.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build-bench}
convert=${CONVERT:-convert}
if [ ! -x "$build/bench/cdcover_bench" ]; then
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCDCOVER_TESTS=OFF -DCDCOVER_BENCH=ON >/dev/null
  nice ninja -C "$build" cdcover_bench >/dev/null
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$convert" -size 3000x3000 xc: +noise Random -depth 8 "$work/scan.ppm"
"$convert" "$work/scan.ppm" "$work/scan.mpc"

# Seconds per iteration of one convert command.
im_seconds() {
  "$convert" -bench 3 "$work/scan.mpc" "$@" null: 2>&1 |
    sed -n 's/.*Performance\[[0-9]*\]: [0-9]*i \([0-9.]*\)ips.*/\1/p' |
    sort -g | tail -1 | awk '{ printf "%.6f\n", 1 / $1 }'
}

ones=$(printf '1,%.0s' $(seq 24))1
litho="-1,-1,-1,-1,-1,-1,-10,-10,-10,-1,-1,-10,98,-10,-1,-1,-10,-10,-10,-1,-1,-1,-1,-1,-1"
declare -A im_ops=(
  [BM_RotateRight/24]="-rotate 90"
  [BM_RotateLeft/24]="-rotate -90"
  [BM_MirrorLeftRight/24]="-flop"
  [BM_MirrorTopBottom/24]="-flip"
  [BM_Crop/24]="-crop 2000x2000+500+500 +repage"
  [BM_BrightnessContrast]="-brightness-contrast 10x30"
  [BM_Filter/2]="-define convolve:scale=! -convolve $ones"
  [BM_Filter/6]="-convolve $litho"
)

base=$(im_seconds)
declare -A im_time
for name in "${!im_ops[@]}"; do
  # shellcheck disable=SC2086 # the options are split on purpose
  total=$(im_seconds ${im_ops[$name]})
  im_time[$name]=$(awk -v t="$total" -v b="$base" 'BEGIN { printf "%.6f\n", t - b }')
done

"$build/bench/cdcover_bench" --benchmark_filter="BM_(Rotate|Mirror|Crop|Brightness|Filter)" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true \
  --benchmark_format=json --benchmark_out="$work/ours.json" >/dev/null

{
  for name in "${!im_time[@]}"; do echo "$name ${im_time[$name]}"; done
} | python3 -c '
import json, sys
ours = {}
for b in json.load(open(sys.argv[1]))["benchmarks"]:
    if b.get("aggregate_name") == "median":
        ours[b["run_name"]] = b["real_time"] / 1000.0  # milliseconds to seconds
print("%-26s %10s %12s %8s" % ("operation", "ours ms", "ImageMagick", "ratio"))
im = dict((l.split()[0], float(l.split()[1])) for l in sys.stdin if l.strip())
for name in sorted(ours):
    line = "%-26s %10.1f" % (name, ours[name] * 1000)
    if name in im:
        line += " %10.1f ms %7.1fx" % (im[name] * 1000, im[name] / ours[name])
    print(line)
' "$work/ours.json"
