#!/bin/sh
# Installs what is needed, builds, and runs every test; then, as CI does,
# the whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer
# with each fuzz target's smoke run (scripts/sanitize.sh). Set
# TAWEN_SKIP_SANITIZE=1 to stop after the everyday suite.
set -eu
cd "$(dirname "$0")/.."
. ./scripts/utf8-locale.sh
./scripts/install-deps.sh test
./scripts/build.sh
(cd build && ctest --output-on-failure --timeout 300 --parallel 2)
[ "${TAWEN_SKIP_SANITIZE:-0}" = 1 ] || ./scripts/sanitize.sh
