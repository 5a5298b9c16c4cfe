#!/usr/bin/env bash
# Builds everything, benchmarks included, and starts the application.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh" build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQARVO_BENCH=ON

app="$top/build/src/qarvo-editor"
if [ -x "$app" ]; then
  exec "$app" "$@"
fi
echo "Everything is built. The application shell is not built yet, so there is no window to start."
