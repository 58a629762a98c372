#!/usr/bin/env bash
# The installation and the Debian package of a build (BUILD_DIR, default build) work on
# their own: installed into a scratch prefix, and unpacked from the package made by
# `cpack -G DEB`, velmoro-sim finds its data without VELMORO_DIR and plays a game of
# the demo league; the package holds the desktop entry, the icons and the manual pages.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh package
build=$(cd "${BUILD_DIR:-build}" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
unset VELMORO_DIR

passed=0
failures=0
check() {  # check DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@" >"$scratch/out" 2>&1; then
    echo "ok:     $what"
    passed=$((passed + 1))
  else
    echo "FAILED: $what"
    tail -20 "$scratch/out" | sed 's/^/    /'
    failures=$((failures + 1))
  fi
}
plays() {  # plays PROGRAM: a whole game, its box score in GameLog
  local work
  work=$(mktemp -d -p "$scratch")
  (cd "$work" && "$1" --visitors "2025 Harbor Hawks" --home "2025 Summit Peaks" --seed 11 \
    --quiet >/dev/null) && grep -q "Harbor Hawks" "$work/GameLog"
}
holds() {  # holds ROOT FILE...
  local root=$1 file
  shift
  for file in "$@"; do
    [ -s "$root/$file" ] || { echo "missing $file"; return 1; }
  done
}
usr_files=(
  bin/velmoro bin/velmoro-sim bin/velmoro-db
  share/velmoro/LegendDB share/velmoro/velmoro.txt
  share/applications/velmoro.desktop
  share/icons/hicolor/48x48/apps/velmoro.png share/icons/hicolor/128x128/apps/velmoro.png
  share/icons/hicolor/256x256/apps/velmoro.png
  share/man/man1/velmoro-sim.1 share/man/man1/velmoro-db.1
)

cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
check "cmake --install lays out the programs and their data" holds "$scratch/prefix" "${usr_files[@]}"
check "the installed velmoro-sim plays a game" plays "$scratch/prefix/bin/velmoro-sim"
check "the manual page of velmoro-sim is its --help" \
  grep -q -- "--save-at K FILE" "$scratch/prefix/share/man/man1/velmoro-sim.1"

(cd "$build" && rm -f velmoro_*.deb && cpack -G DEB >"$scratch/cpack.log" 2>&1) ||
  { cat "$scratch/cpack.log"; exit 1; }
deb=$(ls "$build"/velmoro_*.deb)
dpkg-deb -x "$deb" "$scratch/root"
check "the package holds the programs, data, menu entry, icons and manual pages" \
  holds "$scratch/root/usr" "${usr_files[@]}"
check "the package's velmoro-sim plays a game" plays "$scratch/root/usr/bin/velmoro-sim"
check "the package's dependencies are computed (libQt6Widgets, libc6)" \
  bash -c "dpkg-deb -f '$deb' Depends | grep -q libqt6widgets6 && dpkg-deb -f '$deb' Depends | grep -q libc6"
check "the menu entry is valid" \
  grep -qx "Categories=Game;SportsGame;" "$scratch/root/usr/share/applications/velmoro.desktop"

echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]
