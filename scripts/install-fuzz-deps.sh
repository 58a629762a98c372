#!/usr/bin/env bash
# Installs what scripts/fuzz.sh needs on top of scripts/install-deps.sh: clang and its
# runtime libraries (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer).
# Run as root or with sudo available; safe to run again.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

# Done when clang links a fuzzer already.
links_fuzzer() {
  command -v clang++ >/dev/null || return 1
  local dir
  dir=$(mktemp -d)
  echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' \
    >"$dir/probe.cpp"
  clang++ -fsanitize=fuzzer,address,undefined "$dir/probe.cpp" -o "$dir/probe" 2>/dev/null
  local status=$?
  rm -rf "$dir"
  return $status
}
links_fuzzer && exit 0

if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
packages=(clang)
# Debian 12 ships libFuzzer and the sanitizer runtimes in a package of their own;
# older releases have them in clang's.
if apt-cache show libclang-rt-dev >/dev/null 2>&1; then packages+=(libclang-rt-dev); fi
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${packages[@]}"
links_fuzzer || { echo "clang cannot link a libFuzzer target" >&2; exit 1; }
