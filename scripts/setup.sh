#!/usr/bin/env bash
# Installs whatever the build needs and is missing, then configures and builds one build tree.
# Usage: scripts/setup.sh <build-dir> [cmake options...]
set -euo pipefail

packages=(cmake ninja-build g++ clang libclang-rt-14-dev pkg-config qt6-base-dev libgl-dev libxcb1-dev
          libgtest-dev libgmock-dev libbenchmark-dev fonts-wqy-microhei xvfb xauth x11-utils openbox
          xfwm4 icewm dbus poppler-utils)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

top=$(cd "$(dirname "$0")/.." && pwd)
build="$1"
shift
cmake -S "$top" -B "$top/$build" -G Ninja "$@"
cmake --build "$top/$build"
