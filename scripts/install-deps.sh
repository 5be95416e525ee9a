#!/bin/sh
# Installs the Debian packages Tawen needs, through sudo when not root and
# only when some are missing.
#   install-deps.sh run    what building and running the program need
#   install-deps.sh test   that, and what the tests, benchmarks, fuzzing,
#                          packaging and checks need (the default)
set -eu
tier=${1:-test}

# Building the program and running it: the compiler, Qt, the speech and
# sound libraries, the fonts the windows ask for, Wayland support.
run_packages="build-essential cmake ninja-build pkg-config \
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev qt6-wayland libgl-dev \
  libespeak-ng-dev espeak-ng-data libflite1 flite1-dev libpulse-dev \
  fonts-noto-cjk fonts-sil-doulos fonts-liberation2 fonts-comic-neue \
  fonts-arphic-ukai fonts-dejavu-core"

# Everything else: sanitizers and libFuzzer, formatting, benchmarks, an X
# server and tools to drive it, a private sound server, the desktop-file and
# AppStream validators, and what cpack needs for the .deb.
test_packages="clang libclang-rt-14-dev clang-format ccache espeak-ng \
  libbenchmark-dev libssl-dev libx11-dev libxtst-dev \
  xvfb xauth xdotool x11-utils imagemagick \
  pulseaudio pulseaudio-utils procps passwd util-linux \
  desktop-file-utils appstream man-db dpkg-dev file \
  pocketsphinx pocketsphinx-en-us"

case "$tier" in
run) packages=$run_packages ;;
test) packages="$run_packages $test_packages" ;;
*)
  echo "usage: $0 [run|test]" >&2
  exit 2
  ;;
esac

# A desktop already has a sound server; a machine without one gets PulseAudio.
if [ "$tier" = run ] && ! dpkg-query -W -f='${Status}\n' pipewire-pulse pulseaudio 2>/dev/null |
  grep -q 'install ok installed'; then
  packages="$packages pulseaudio"
fi

missing=""
for package in $packages; do
  dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing="$missing $package"
done
[ -n "$missing" ] || exit 0

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing
