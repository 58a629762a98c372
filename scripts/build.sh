#!/usr/bin/env bash
# Configures and builds into BUILD_DIR (default: build). Extra arguments go to cmake.
# Under CI (CI set) every warning is an error; elsewhere warnings stay warnings.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
if [ -z "${LAHMAN_DIR:-}" ] && [ -d ../shared/data/lahman ] && [ -n "${CI:-}" ]; then
  export LAHMAN_DIR=$(cd ../shared/data/lahman && pwd)
fi
werror=OFF
[ -n "${CI:-}" ] && werror=ON
cmake -S . -B "$build_dir" -G Ninja -DVELMORO_WERROR=$werror "$@" >/dev/null
cmake --build "$build_dir"
