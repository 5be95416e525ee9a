#!/bin/sh
# Installs what is needed, builds, and starts the program in place.
set -eu
cd "$(dirname "$0")/.."
. ./scripts/utf8-locale.sh
./scripts/install-deps.sh
./scripts/build.sh
exec ./build/tawen/tawen
