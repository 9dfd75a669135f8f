#!/usr/bin/env bash
# Installs every Debian package Kovral needs to build, test and run.
# Harmless when everything is already there: apt-get only adds what is missing.
set -euo pipefail

packages=(build-essential cmake ninja-build pkg-config
  qt6-base-dev libqt6opengl6-dev qt6-charts-dev libsqlite3-dev libcurl4-openssl-dev libjpeg-dev
  libcpp-httplib-dev libgtest-dev libbenchmark-dev xvfb xauth xdotool imagemagick fonts-dejavu-core fonts-liberation2 openbox)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update
"${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${packages[@]}"
