#!/bin/sh
# Builds everything with clang under AddressSanitizer and UndefinedBehaviorSanitizer
# in build-sanitize/ (apart from the everyday build/) and runs the whole test
# suite there. The first report of either ends its test, so a clean run means
# a clean suite. Extra arguments go to ctest (for example -R test_login).
set -eu
cd "$(dirname "$0")/.."
. ./scripts/utf8-locale.sh

sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
launcher=""
command -v ccache >/dev/null && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ $launcher \
    -DCMAKE_C_FLAGS="$sanitizers" -DCMAKE_CXX_FLAGS="$sanitizers" \
    -DCMAKE_EXE_LINKER_FLAGS="$sanitizers"
cmake --build build-sanitize

# Leaks are looked for too.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd build-sanitize
ctest --output-on-failure --timeout 900 "$@"
