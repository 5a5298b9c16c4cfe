#!/usr/bin/env bash
# Builds the program alone (no test program, no benchmark) and starts it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh" build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQARVO_TESTS=OFF -DQARVO_BENCH=OFF

exec "$top/build/src/qarvo-editor" "$@"
