#!/bin/sh
# Builds with clang under AddressSanitizer and UndefinedBehaviorSanitizer in
# build-sanitize/ (apart from the everyday build/) and runs the tests there,
# each parser's fuzz target for a short while among them. The first report of
# either sanitizer ends its test, so a clean run means a clean suite.
#   sanitize.sh [--subset] [ctest arguments]
# --subset builds and runs only what reads or writes a learner's files: the
# fuzz targets and the tests of the parsers and of every save (what CI runs,
# to stay within its time). Extra arguments go to ctest (for example -R test_login).
set -eu
cd "$(dirname "$0")/.."
. ./scripts/utf8-locale.sh
. ./scripts/sanitizer-build.sh

subset_tests="test_gb18030 test_paths test_user_settings test_user_registry test_library_files \
test_personal_library test_score_log test_save_faults"
targets=""
tests=""
if [ "${1:-}" = --subset ]; then
  shift
  fuzzers=$(sed -n 's/^tawen_add_fuzzer(\(.*\))$/\1/p' fuzz/CMakeLists.txt)
  targets="$subset_tests $fuzzers"
  tests="^($(echo $subset_tests $fuzzers | sed 's/ /|/g'))(_smoke)?$"
fi

configure_sanitizer_build
if [ -n "$targets" ]; then
  # shellcheck disable=SC2086
  cmake --build build-sanitize --target $targets
else
  cmake --build build-sanitize
fi
cd build-sanitize
if [ -n "$tests" ]; then
  ctest --output-on-failure --timeout 900 --parallel 2 -R "$tests" "$@"
else
  ctest --output-on-failure --timeout 900 --parallel 2 "$@"
fi
