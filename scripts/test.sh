#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test but the long
# ones (ctest -L long runs those); then builds the libFuzzer targets with clang in a folder of
# their own (optimised, with the sanitizers), so that a compile error in one, or in code that
# only clang refuses, fails the run. The fuzzers themselves are not run here.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh" build-test -DCMAKE_BUILD_TYPE=Debug -DQARVO_SANITIZE=ON
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$top/build-test" --output-on-failure -j "$(nproc)" -LE long
CXX=clang++ cmake -S "$top" -B "$top/build-fuzz" -G Ninja -DQARVO_FUZZ=ON -DQARVO_TESTS=OFF
cmake --build "$top/build-fuzz" --target fuzzers
