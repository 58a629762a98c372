#!/usr/bin/env bash
# Writes the README's pictures (docs/*.png) from the real windows over the demo league,
# offscreen: builds scripts/screenshots.cpp into the build folder (BUILD_DIR, build/ by
# default) and runs it. Nothing else of the checkout changes.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
[ -f "$build/CMakeCache.txt" ] ||
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"${JOBS:-2}" --target velmoro-screenshots velmoro_data
QT_QPA_PLATFORM=offscreen "$build/bin/velmoro-screenshots" "$build/share/velmoro" docs
