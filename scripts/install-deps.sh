#!/bin/sh
# Installs every Debian package needed to build, run and test Tawen.
set -eu
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends \
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev clang-format \
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev libgl-dev \
  libespeak-ng-dev espeak-ng espeak-ng-data libflite1 flite1-dev \
  libbenchmark-dev libssl-dev libx11-dev libxtst-dev \
  fonts-noto-cjk fonts-sil-doulos fonts-liberation2 fonts-comic-neue \
  fonts-arphic-ukai fonts-dejavu-core \
  xvfb xauth xdotool x11-utils imagemagick \
  pulseaudio pulseaudio-utils libpulse-dev procps \
  pocketsphinx pocketsphinx-en-us
