#!/usr/bin/env bash
# Installs what is missing, builds a Release build, stages the program folder
# build/app/ and starts the program there.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

bash "$root/scripts/deps.sh"
configure "$root/build/release" -DCMAKE_BUILD_TYPE=Release -DYZ_BUILD_TESTS=OFF \
  -DYZ_BUILD_BENCH=OFF -DYZ_STAGE_DIR="$root/build/app"
cmake --build "$root/build/release" --target yanzhou -j "$jobs"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display: set DISPLAY (or run under xvfb-run) to start build/app/yanzhou."
  exit 1
fi
cd "$root/build/app"
exec ./yanzhou "$@"
