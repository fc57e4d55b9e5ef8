#!/usr/bin/env bash
# Set-up, build and test for a Debian 12 machine (run as root on a fresh machine:
# it installs the packages that are missing).
#   scripts/tonvexa.sh run    install what is missing, build, start the program
#   scripts/tonvexa.sh test   install what is missing, build, run every test
#                             (also the core tests under ASan and UBSan)
#   scripts/tonvexa.sh build  install what is missing and build
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"
jobs=$(nproc 2>/dev/null || echo 2)

packages=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-svg-dev
  qt6-qpa-plugins fonts-dejavu-core xdg-utils
  libavformat-dev libavcodec-dev libswresample-dev libavutil-dev
  libmp3lame-dev libgsm1-dev libgtest-dev libgmock-dev ffmpeg dbus-daemon)

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
    if [ -x "$top/build/tonvexa" ]; then
      exec "$top/build/tonvexa" "${@:2}"
    fi
    # Until the main window exists, show the converter at work on an example made here.
    example=$(mktemp -d "${TMPDIR:-/tmp}/tonvexa-example.XXXXXX")
    ffmpeg -nostdin -v error -f lavfi \
      -i "aevalsrc=exprs=0.4*sin(2*PI*440*t)*(0.6+0.4*sin(2*PI*2*t))|0.3*sin(2*PI*660*t):s=44100:d=5" \
      -c:a wmav2 -b:a 128k -metadata title="Example tone" "$example/example.wma"
    printf '[Options]\nBrowseOutputFolder=0\nID3TagOpt=1\n' > "$example/options.ini"
    echo "The main window is not built yet; the command-line converter at work in $example:"
    "$top/build/tonvexa-convert" --probe "$example/example.wma"
    "$top/build/tonvexa-convert" --options "$example/options.ini" --to mp3 "$example/example.wma"
    "$top/build/tonvexa-convert" --options "$example/options.ini" --to wav "$example/example.wma"
    "$top/build/tonvexa-convert" --options "$example/options.ini" --to wma "$example/example.wav"
    ls -l "$example"
    ;;
  test)
    install_missing
    configure_and_build build
    (cd build && QT_QPA_PLATFORM=offscreen ctest -j "$jobs" --output-on-failure --timeout 600)
    echo "== core tests under AddressSanitizer and UndefinedBehaviorSanitizer =="
    configure_and_build build-asan -DTONVEXA_SANITIZE=ON -DTONVEXA_CORE_ONLY=ON -DCMAKE_BUILD_TYPE=Debug
    (cd build-asan && ctest -j "$jobs" --output-on-failure --timeout 900)
    ;;
  *)
    echo "usage: $0 run|test|build" >&2
    exit 2
    ;;
esac
