#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the desktop program need, and
# with arguments those of the other toolchains:
#   clang    Clang with libc++ (the sanitizer build)
#   windows  the MinGW-w64 cross compiler and wine to run its tests
#   package  what `cpack -G DEB` needs to compute the package's dependencies
# Run as root or with sudo available; safe to run again.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  libfmt-dev libcli11-dev nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev libsqlite3-dev
  qt6-base-dev libgl1-mesa-dev qt6-qpa-plugins
  clang-format xvfb xauth chromium
)
for group in "$@"; do
  case "$group" in
    clang) packages+=(clang libc++-dev libc++abi-dev) ;;
    windows) packages+=(g++-mingw-w64-x86-64-posix wine wine64) ;;
    package) packages+=(dpkg-dev file) ;;
    *) echo "install-deps.sh: unknown group $group" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
