#!/bin/sh
# Builds everything with clang under AddressSanitizer and UndefinedBehaviorSanitizer
# in build-sanitize/ (apart from the everyday build/) and runs the whole test
# suite there, each parser's fuzz target for a short while among it. The first
# report of either sanitizer ends its test, so a clean run means a clean suite.
# Extra arguments go to ctest (for example -R test_login).
set -eu
cd "$(dirname "$0")/.."
. ./scripts/utf8-locale.sh
. ./scripts/sanitizer-build.sh

configure_sanitizer_build
cmake --build build-sanitize
cd build-sanitize
ctest --output-on-failure --timeout 900 --parallel 2 "$@"
