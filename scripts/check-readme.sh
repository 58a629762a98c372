#!/usr/bin/env bash
# Runs every command of the README's code blocks that starts with build/bin/, as a user
# types it in the checkout, against the build's own data folder (the demo league). The
# commands run in a scratch folder that holds a link to the build, so the files they
# write (GameLog, -o FILE) stay out of the checkout. BUILD_DIR (default build) names the
# build. Exits non-zero when a command fails or when there is none to run.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${BUILD_DIR:-build}" && pwd)
readme=$PWD/README.md
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ln -s "$build" "$work/build"
# The programs are to find their data by themselves, as after a plain build.
unset VELMORO_DIR

# Code blocks: fenced ones and lines indented by four spaces or more; within them, the
# lines that start with build/bin/, with "\" continuations joined.
mapfile -t commands < <(awk '
  /^[[:space:]]*```/ { fenced = !fenced; next }
  {
    line = $0
    if (pending != "") { sub(/^[[:space:]]+/, "", line); line = pending " " line; pending = "" }
    else if (!fenced && line !~ /^    /) next
    sub(/^[[:space:]]+/, "", line)
    if (line !~ /^build\/bin\//) next
    if (line ~ /\\$/) { sub(/\\$/, "", line); pending = line; next }
    print line
  }' "$readme")

passed=0
failed=0
for command in "${commands[@]}"; do
  if (cd "$work" && bash -c "$command") >"$work/.out" 2>&1; then
    echo "ok:     $command"
    passed=$((passed + 1))
  else
    echo "FAILED: $command (exit $?)"
    sed 's/^/    /' "$work/.out" | tail -20
    failed=$((failed + 1))
  fi
done
echo "$passed passed, $failed failed"
[ "$passed" -gt 0 ] && [ "$failed" -eq 0 ]
