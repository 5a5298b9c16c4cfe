#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test but the long
# ones (ctest -L long runs those).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh" build-test -DCMAKE_BUILD_TYPE=Debug -DQARVO_SANITIZE=ON
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$top/build-test" --output-on-failure -j "$(nproc)" -LE long
