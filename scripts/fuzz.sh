#!/bin/sh
# Builds the parsers' fuzz targets with clang and libFuzzer (AddressSanitizer
# and UndefinedBehaviorSanitizer on) in build-fuzz/ and runs each for a while,
# starting from its seed corpus. Usage: fuzz.sh [seconds per target, default 60]
set -eu
cd "$(dirname "$0")/.."
. ./scripts/utf8-locale.sh
seconds=${1:-60}
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTAWEN_FUZZ=ON -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags"
targets=$(sed -n 's/^tawen_add_fuzzer(\(.*\))$/\1/p' fuzz/CMakeLists.txt)
# shellcheck disable=SC2086
cmake --build build-fuzz --target $targets
for target in $targets; do
  work=$(mktemp -d)
  cp fuzz/corpus/"$target"/* "$work"/
  echo "== $target ($seconds s)"
  build-fuzz/fuzz/"$target" -max_total_time="$seconds" -max_len=4096 "$work"
  rm -rf "$work"
done
