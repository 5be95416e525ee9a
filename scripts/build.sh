#!/bin/sh
# Configures and builds into build/; the portable program lands in build/tawen/.
set -eu
cd "$(dirname "$0")/.."
. ./scripts/utf8-locale.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
