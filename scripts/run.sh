#!/bin/sh
# Installs what building and running need (through sudo when not root),
# builds the program, and starts it in place as the invoking user: never as
# root, who cannot reach the learner's sound server. Under sudo, everything
# but the installing is done as the user who called sudo.
set -eu
cd "$(dirname "$0")/.."
. ./scripts/utf8-locale.sh

if [ "$(id -u)" -eq 0 ] && [ -z "${SUDO_USER:-}" ]; then
  ./scripts/install-deps.sh run
  echo "run.sh: 塔文英语单词不以 root 身份运行（root 无法使用学习者的声音服务）。" >&2
  echo "run.sh: please run this script as the learner (it uses sudo to install)." >&2
  exit 1
fi
./scripts/install-deps.sh run

# sudo drops the session's runtime folder, where the sound server listens.
as_user() {
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u "$SUDO_USER" -- env XDG_RUNTIME_DIR="/run/user/$(id -u "$SUDO_USER")" "$@"
  else
    "$@"
  fi
}

as_user cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAWEN_BENCHMARKS=OFF
as_user cmake --build build --target tawen_program
as_user ./build/tawen/tawen
