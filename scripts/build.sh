#!/usr/bin/env bash
# Configures and builds into BUILD_DIR (default: build). Extra arguments go to cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
if [ -z "${LAHMAN_DIR:-}" ] && [ -d ../shared/data/lahman ] && [ -n "${CI:-}" ]; then
  export LAHMAN_DIR=$(cd ../shared/data/lahman && pwd)
fi
cmake -S . -B "$build_dir" -G Ninja "$@" >/dev/null
cmake --build "$build_dir"
