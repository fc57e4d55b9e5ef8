#!/usr/bin/env bash
# Runs a test program on a headless Wayland compositor (weston, no X server, no screen):
#   tests/wayland/under-weston.sh PROGRAM [ARGS...]
# The program's Qt uses the compositor through the wayland platform plugin (qt6-wayland).
set -u
runtime=$(mktemp -d)
chmod 700 "$runtime"
trap 'kill "$weston" 2>/dev/null; wait "$weston" 2>/dev/null; rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime
unset DISPLAY
weston --backend=headless-backend.so --use-pixman --socket=tonvexa-test --width=1280 \
  --height=1024 --idle-time=0 >"$runtime/weston.log" 2>&1 &
weston=$!
for _ in $(seq 100); do
  [ -S "$runtime/tonvexa-test" ] && break
  sleep 0.1
done
if [ ! -S "$runtime/tonvexa-test" ]; then
  echo "weston did not start:" >&2
  cat "$runtime/weston.log" >&2
  exit 1
fi
WAYLAND_DISPLAY=tonvexa-test TONVEXA_TEST_PLATFORM=wayland "$@"
