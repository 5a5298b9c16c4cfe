#!/usr/bin/env bash
# Builds everything, benchmarks included, and starts the application.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh" build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQARVO_BENCH=ON

exec "$top/build/src/qarvo-editor" "$@"
