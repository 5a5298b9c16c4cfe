#!/usr/bin/env bash
# Builds the benchmark programs (Release, no test program) and runs them, or only those named:
#   scripts/bench.sh [benchmark ...]      e.g. scripts/bench.sh codec_bench lcd_bench
# Every benchmark's own flags can be given through BENCH_FLAGS (--benchmark_filter=...).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh" build-bench -DCMAKE_BUILD_TYPE=Release -DQARVO_TESTS=OFF -DQARVO_BENCH=ON
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
names=("$@")
if ((${#names[@]} == 0)); then
  mapfile -t names < <(sed -n 's/^qarvo_bench(\([a-z_]*\) .*/\1/p' "$top/bench/CMakeLists.txt")
fi
for name in "${names[@]}"; do
  echo "== $name"
  # shellcheck disable=SC2086
  "$top/build-bench/bench/$name" ${BENCH_FLAGS:-}
done
