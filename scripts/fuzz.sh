#!/usr/bin/env bash
# Builds and runs the libFuzzer targets of fuzz/ (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz/, apart from the ordinary build.
#   scripts/fuzz.sh build                  build the targets and prepare their seeds
#   scripts/fuzz.sh ci                     build, then run every target for 60 s, two at a
#                                          time; fails on any finding (crash, leak, timeout,
#                                          out of memory, undefined behaviour)
#   scripts/fuzz.sh long SECONDS           build, then run every target SECONDS long, two at
#                                          a time, and print the figures of each run
#   scripts/fuzz.sh run TARGET SECONDS     build, then run one target (wav_reader, ...)
# Seeds: small files written by fuzz_seeds, and the real files of the corpus
# (TONVEXA_CORPUS, default ../shared/corpus/real) where it is present. Each target's growing
# corpus stays in build-fuzz/corpus/TARGET; findings go to build-fuzz/findings/TARGET, logs
# to build-fuzz/logs.
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TONVEXA_FUZZ_BUILD:-$top/build-fuzz}
corpus=${TONVEXA_CORPUS:-$top/../shared/corpus/real}
jobs=$(nproc 2>/dev/null || echo 2)
targets=(wav_reader mp3_reader id3v1 shortcut settings_store wma_reader tags)

# The longest input each target is given. Readers see the start of large seeds, which is
# where their parsers work; longer inputs would only slow every run down.
max_len() {
  case $1 in
    id3v1) echo 512 ;;
    shortcut | settings_store) echo 8192 ;;
    *) echo 65536 ;;
  esac
}

build_targets() {
  local launcher=()
  if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  fi
  CC=clang CXX=clang++ cmake -S "$top" -B "$build" -G Ninja "${launcher[@]}" \
    -DTONVEXA_FUZZ=ON -DTONVEXA_CORE_ONLY=ON -DTONVEXA_TESTS=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g" -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" >/dev/null
  cmake --build "$build" -j "$jobs" --target tonvexa_fuzz
}

prepare_seeds() {
  local seeds=$build/seeds
  rm -rf "$seeds"
  mkdir -p "$seeds"
  "$build/fuzz/fuzz_seeds" "$seeds"
  if [ -d "$corpus" ]; then
    local f
    for f in "$corpus"/*; do
      # Every real file's tag, whatever its format, seeds the tag path.
      case ${f,,} in
        *.wav | *.mp3 | *.wma | *.wmv | *.asf) cp "$f" "$seeds/tags/" ;;
      esac
      case ${f,,} in
        *.wav) cp "$f" "$seeds/wav_reader/" ;;
        *.mp3)
          cp "$f" "$seeds/mp3_reader/"
          # The ID3v1 parse sees the last 128 bytes, as the MP3 reader hands them over.
          tail -c 128 "$f" >"$seeds/id3v1/$(basename "$f").tail"
          ;;
        *.wma | *.wmv | *.asf) cp "$f" "$seeds/wma_reader/" ;;
      esac
    done
  else
    echo "No corpus at $corpus: generated seeds only."
  fi
}

# Runs one target; prints its figures, leaves its log in build-fuzz/logs, returns libFuzzer's
# exit code (non-zero on any finding).
run_target() { # target seconds
  local name=$1 seconds=$2
  local work=$build/corpus/$name findings=$build/findings/$name log=$build/logs/$name.log
  mkdir -p "$work" "$findings" "$build/logs"
  local args=(-max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048
    -max_len="$(max_len "$name")" -print_final_stats=1 -artifact_prefix="$findings/")
  [ -f "$top/fuzz/$name.dict" ] && args+=(-dict="$top/fuzz/$name.dict")
  local status=0
  ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=0 \
    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    TONVEXA_FUZZ_TMP=$scratch \
    "$build/fuzz/fuzz_$name" "${args[@]}" "$work" "$build/seeds/$name" >"$log" 2>&1 || status=$?
  # libFuzzer's last status line: coverage (cov), features (ft) and the inputs it keeps
  # (corp, the seeds that add coverage included).
  local execs cov ft corp
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  ft=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  corp=$(grep -o 'corp: [0-9]*/[0-9]*[a-zA-Z]*' "$log" | tail -1 | cut -d' ' -f2)
  printf '%-15s %6ss  execs %-10s cov %-6s ft %-7s corpus %-12s %s\n' "$name" "$seconds" \
    "${execs:-?}" "${cov:-?}" "${ft:-?}" "${corp:-?}" \
    "$([ $status -eq 0 ] && echo ok || echo FINDING)"
  if [ $status -ne 0 ]; then
    echo "---- $name: finding (exit $status), log $log, input in $findings ----"
    grep -E 'ERROR:|runtime error:|SUMMARY:|^ *#[0-9]+ .* in tonvexa|Test unit written' "$log" | head -40
  fi
  return $status
}

scratch=
cleanup() { if [ -n "$scratch" ]; then rm -rf "$scratch"; fi; }
trap cleanup EXIT
make_scratch() {
  if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    scratch=$(mktemp -d /dev/shm/tonvexa-fuzz.XXXXXX)
  else
    scratch=$(mktemp -d)
  fi
}

# Runs every target SECONDS long, two at a time (the machines are shared and have two
# cores); fails when any of them has a finding.
run_all() { # seconds
  local failed=0 i t p pids
  for ((i = 0; i < ${#targets[@]}; i += 2)); do
    pids=()
    for t in "${targets[@]:i:2}"; do
      run_target "$t" "$1" &
      pids+=($!)
    done
    for p in "${pids[@]}"; do wait "$p" || failed=1; done
  done
  return $failed
}

cmd=${1:-}
case "$cmd" in
  build)
    build_targets
    prepare_seeds
    ;;
  ci)
    build_targets
    prepare_seeds
    make_scratch
    run_all 60
    ;;
  long)
    seconds=${2:?usage: $0 long SECONDS}
    build_targets
    prepare_seeds
    make_scratch
    run_all "$seconds"
    ;;
  run)
    name=${2:?usage: $0 run TARGET SECONDS}
    seconds=${3:?usage: $0 run TARGET SECONDS}
    build_targets
    prepare_seeds
    make_scratch
    run_target "$name" "$seconds"
    ;;
  *)
    echo "usage: $0 build|ci|long SECONDS|run TARGET SECONDS" >&2
    exit 2
    ;;
esac
