#!/usr/bin/env bash
# Set-up, build and test for a Debian 12 machine (run as root on a fresh machine:
# it installs the packages that are missing).
#   scripts/tonvexa.sh run    install what is missing, build, start the program
#   scripts/tonvexa.sh test   install what is missing, build, run every test
#                             (also the core tests under ASan and UBSan, and each
#                             fuzz target for 60 s: scripts/fuzz.sh ci)
#   scripts/tonvexa.sh build  install what is missing and build
#   scripts/tonvexa.sh package  install what is missing, build, and make the Debian
#                             package build/tonvexa_<version>_<arch>.deb
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"
jobs=$(nproc 2>/dev/null || echo 2)

packages=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-svg-dev
  qt6-qpa-plugins qt6-wayland fonts-dejavu-core xdg-utils
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-noto-cjk
  libavformat-dev libavcodec-dev libswresample-dev libavutil-dev
  libmp3lame-dev libgsm1-dev libtag1-dev libgtest-dev libgmock-dev ffmpeg dbus-daemon
  desktop-file-utils appstream man-db dpkg-dev file)

# The window's Wayland test runs under a headless compositor.
packages+=(weston)

# The fuzz targets of the test step are built with clang and its libFuzzer.
packages+=(clang libclang-rt-14-dev)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
  fi
}

configure_and_build() { # build-dir, extra cmake arguments...
  local dir=$1; shift
  cmake -S "$top" -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
}

cmd=${1:-}
case "$cmd" in
  build)
    install_missing
    configure_and_build build
    ;;
  run)
    install_missing
    configure_and_build build
    exec "$top/build/tonvexa"
    ;;
  test)
    install_missing
    configure_and_build build
    (cd build && QT_QPA_PLATFORM=offscreen ctest -j "$jobs" --output-on-failure --timeout 600)
    echo "== core tests under AddressSanitizer and UndefinedBehaviorSanitizer =="
    configure_and_build build-asan -DTONVEXA_SANITIZE=ON -DTONVEXA_CORE_ONLY=ON -DTONVEXA_BENCH=OFF \
      -DCMAKE_BUILD_TYPE=Debug
    (cd build-asan && ctest -j "$jobs" --output-on-failure --timeout 900)
    echo "== fuzz targets, 60 s each =="
    bash scripts/fuzz.sh ci
    ;;
  package)
    install_missing
    configure_and_build build
    cmake --build build --target package
    ;;
  *)
    echo "usage: $0 run|test|build|package" >&2
    exit 2
    ;;
esac
