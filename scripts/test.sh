#!/bin/sh
# Installs what is needed, builds, and runs every test.
set -eu
cd "$(dirname "$0")/.."
. ./scripts/utf8-locale.sh
./scripts/install-deps.sh
./scripts/build.sh
cd build
ctest --output-on-failure --timeout 300
