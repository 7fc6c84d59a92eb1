#!/usr/bin/env bash
# Builds both fuzz targets with clang's libFuzzer (plus ASan and UBSan) and runs each for the
# given number of seconds (default 30), starting from the committed seeds. New inputs go to
# build-fuzz/corpus/, findings to build-fuzz/findings/; any finding fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DFUZZ=ON -DBUILD_TESTING=OFF -DWERROR=ON
cmake --build build-fuzz -j"$(nproc 2>/dev/null || echo 2)" --target fourmod_fuzz sortprobe_fuzz
mkdir -p build-fuzz/findings
for program in fourmod sortprobe; do
  mkdir -p "build-fuzz/corpus/$program"
  echo "== fuzzing $program for $seconds s"
  # Refusals are part of the input space: the programs' own messages are closed off (the
  # fuzzer's reports still show), and an input taking over 10 s counts as a hang.
  log=build-fuzz/$program.log
  status=0
  build-fuzz/fuzz/${program}_fuzz -max_total_time="$seconds" -timeout=10 -close_fd_mask=2 \
    -artifact_prefix=build-fuzz/findings/ -print_final_stats=1 \
    "build-fuzz/corpus/$program" "fuzz/corpus/$program" >"$log" 2>&1 || status=$?
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$log" >&2
    echo "fuzzing $program found a fault (status $status); the input is in build-fuzz/findings/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units|stat::new_units_added)' "$log"
done
