#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz (FUZZ_BUILD_DIR) and runs each
# for SECONDS (default 60), starting from its seed corpus in fuzz/corpus/TARGET (and
# with the words of its format from fuzz/dict/TARGET.dict when there is one). Runs
# work on copies, so the repository's corpora do not grow. Inputs that crash, hang or
# break a property are kept in build-fuzz/fuzz/findings/TARGET; any of them fails the
# run. Give target names after SECONDS to run only those.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
build_dir=${FUZZ_BUILD_DIR:-build-fuzz}

scripts/install-fuzz-deps.sh
# Debug keeps the assertions; -O1 keeps the fuzzers fast enough.
CC=clang CXX=clang++ cmake -S . -B "$build_dir" -G Ninja -DVELMORO_FUZZ=ON \
  -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
  -DVELMORO_BUILD_UI=OFF -DVELMORO_BUILD_BENCH=OFF >/dev/null
cmake --build "$build_dir" --target fuzz_targets

# Longest input per target: a few times the largest seed, so the mutations stay on
# the inputs that matter.
max_len() {
  case $1 in
    saved_game) echo 16384 ;;
    lahman_csv | db_json) echo 8192 ;;
    sim_script) echo 1024 ;;
    *) echo 4096 ;;
  esac
}

if [ $# -gt 0 ]; then targets=("$@"); else mapfile -t targets <"$build_dir/fuzz/targets.txt"; fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
findings=$(pwd)/$build_dir/fuzz/findings
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
failed=0
for target in "${targets[@]}"; do
  mkdir -p "$scratch/$target/corpus" "$scratch/$target/tmp" "$findings/$target"
  cp fuzz/corpus/"$target"/* "$scratch/$target/corpus/"
  log=$scratch/$target/log
  dict=()
  [ -f fuzz/dict/"$target".dict ] && dict=(-dict=fuzz/dict/"$target".dict)
  status=0
  TMPDIR=$scratch/$target/tmp "$build_dir/fuzz/${target}_fuzz" "$scratch/$target/corpus" \
    -max_total_time="$seconds" -max_len="$(max_len "$target")" -rss_limit_mb=2048 \
    -timeout=10 -print_final_stats=1 -artifact_prefix="$findings/$target/" "${dict[@]}" \
    >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  if [ "$status" -eq 0 ]; then
    echo "$target: ${runs:-?} executions (${rate:-?}/s) in ${seconds}s: ok"
  else
    failed=1
    echo "$target: FAILED after ${runs:-?} executions (exit $status)"
    grep -E '^(==[0-9]+==ERROR|SUMMARY|fuzz property failed|.*runtime error)' "$log" | head -5 || true
    grep -m1 -E 'Test unit written to' "$log" || true
    echo "  full log: $findings/$target/last.log"
    cp "$log" "$findings/$target/last.log"
  fi
done
exit $failed
