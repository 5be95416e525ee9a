#!/bin/sh
# Installs what is needed, builds, and runs every test; then, as CI does, the
# tests of everything that reads or writes a learner's files again under
# AddressSanitizer and UndefinedBehaviorSanitizer, with each fuzz target's
# smoke run (scripts/sanitize.sh --subset; the whole suite under the
# sanitizers would take CI past its quarter of an hour).
# TAWEN_SANITIZE=all runs the whole suite there instead; TAWEN_SANITIZE=none
# stops after the everyday suite.
set -eu
cd "$(dirname "$0")/.."
. ./scripts/utf8-locale.sh
./scripts/install-deps.sh test
./scripts/build.sh
(cd build && ctest --output-on-failure --timeout 300 --parallel 2)
case "${TAWEN_SANITIZE:-subset}" in
none) ;;
all) ./scripts/sanitize.sh ;;
*) ./scripts/sanitize.sh --subset ;;
esac
