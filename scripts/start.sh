#!/usr/bin/env bash
# Sets up, builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
if [ -x build/bin/velmoro ]; then
  exec build/bin/velmoro "$@"
fi
exec build/bin/velmoro-sim --visitors "${VISITORS:-}" --home "${HOME_TEAM:-}" "$@"
