#!/bin/sh
# Builds the parsers' fuzz targets with libFuzzer in the sanitizer build
# (build-sanitize/) and runs each for as long as asked, starting from its seed
# corpus; what a run finds is kept in build-sanitize/fuzz/found/<target>/.
# Prints each target's executions per second and the coverage it reached.
#   fuzz.sh [seconds per target, default 60] [target...]
set -eu
cd "$(dirname "$0")/.."
. ./scripts/utf8-locale.sh
. ./scripts/sanitizer-build.sh
seconds=${1:-60}
[ "$#" -gt 0 ] && shift
targets=${*:-$(sed -n 's/^tawen_add_fuzzer(\(.*\))$/\1/p' fuzz/CMakeLists.txt)}

# Targets that save files sync each one; in memory that costs nothing.
[ -d /dev/shm ] && export TMPDIR=/dev/shm

configure_sanitizer_build >/dev/null
# shellcheck disable=SC2086
cmake --build build-sanitize --target $targets
summary=""
for target in $targets; do
  found=build-sanitize/fuzz/found/$target
  mkdir -p "$found"
  log=build-sanitize/fuzz/$target.log
  echo "== $target ($seconds s)"
  build-sanitize/fuzz/"$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    "$found" fuzz/corpus/"$target" >"$log" 2>&1 || { tail -n 40 "$log"; exit 1; }
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1)
  features=$(grep -o 'ft: [0-9]*' "$log" | tail -n 1)
  line="$target: $runs runs, $speed exec/s, $cov, $features"
  echo "$line"
  summary="$summary$line\n"
done
printf '\n%b' "$summary"
