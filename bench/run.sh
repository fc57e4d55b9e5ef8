#!/usr/bin/env bash
# Builds the project (all targets, which include the bench_* programs) and runs every
# benchmark program found in the build folder, printing their figures.
#   bench/run.sh [build-folder]     (default: build, configured with Ninja if missing)
# Set JOBS to limit parallel compilation (default 2).
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-"$top/build"}
jobs=${JOBS:-2}

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" -j "$jobs" --target all

# The window's benchmark needs a display; without one it runs on Qt's offscreen platform.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
fi

found=0
status=0
for program in "$build"/bench_*; do
  [ -f "$program" ] && [ -x "$program" ] || continue
  found=1
  echo "== $(basename "$program") =="
  if ! "$program"; then
    echo "$(basename "$program") failed" >&2
    status=1
  fi
  echo
done
if [ "$found" -eq 0 ]; then
  echo "no bench_* programs in $build" >&2
  exit 1
fi
exit "$status"
