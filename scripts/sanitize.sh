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

# Leaks are looked for too; those of the system's own libraries, which keep
# caches for the life of the process, are listed in lsan.supp.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$(pwd)/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd build-sanitize
ctest --output-on-failure --timeout 900 "$@"
